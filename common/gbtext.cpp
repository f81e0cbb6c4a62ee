#include "common/gbtext.h"

#include <QStringDecoder>

QString GbText::decode(const QByteArray &bytes)
{
    // The decoder drops a lead byte left at the very end; a closing line feed, never a trail byte
    // in GB18030, makes it come out as a replacement character like any other bad byte.
    QStringDecoder decoder(encoding, QStringDecoder::Flag::Stateless);
    QString text = decoder(bytes + '\n');
    if (text.endsWith(u'\n'))
        text.chop(1);
    return text;
}

GbText::Guess GbText::guess(QByteArrayView bytes)
{
    return bytes.isValidUtf8() ? Guess::Utf8 : Guess::Gbk;
}

QString GbText::decodeGuessed(const QByteArray &bytes)
{
    return guess(bytes) == Guess::Utf8 ? QString::fromUtf8(bytes) : decode(bytes);
}

std::optional<QByteArray> GbText::encode(QStringView text)
{
    QStringEncoder encoder = newEncoder();
    if (!encoder.isValid())
        return std::nullopt;
    return QByteArray(encoder(text));
}
