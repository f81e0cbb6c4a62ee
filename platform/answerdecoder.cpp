#include "platform/answerdecoder.h"

#include "common/gbtext.h"

#include <QList>
#include <QStringDecoder>

namespace {

const QByteArray utf8Bom("\xEF\xBB\xBF");

bool isGbFamily(const QByteArray &charset)
{
    return charset == "gbk" || charset == "gb2312" || charset == "gb18030" || charset == "x-gbk" ||
           charset == "cp936";
}

QString decodeUtf8(const QByteArray &bytes)
{
    // Stateless so that a sequence cut off at the end counts as an error instead of being held back;
    // the caller has already taken off the one byte order mark to skip.
    QStringDecoder decoder(QStringDecoder::Utf8,
                           QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    return decoder(bytes);
}

} // namespace

QString AnswerDecoder::decode(const QByteArray &body, const QByteArray &contentType)
{
    const QByteArray bytes = body.startsWith(utf8Bom) ? body.mid(utf8Bom.size()) : body;

    const QByteArray charset = declaredCharset(contentType);
    if (isGbFamily(charset))
        return GbText::decode(bytes);
    if (charset == "utf-8" || charset == "utf8")
        return decodeUtf8(bytes);
    if (!charset.isEmpty()) {
        QStringDecoder declared(charset.constData(), QStringDecoder::Flag::Stateless);
        if (declared.isValid())
            return declared(bytes);
    }

    return GbText::decodeGuessed(bytes);
}

QByteArray AnswerDecoder::declaredCharset(const QByteArray &contentType)
{
    const QList<QByteArray> parts = contentType.split(';');
    for (qsizetype i = 1; i < parts.size(); ++i) {
        const QByteArray part = parts.at(i).trimmed();
        const qsizetype equals = part.indexOf('=');
        if (equals < 0 || part.left(equals).trimmed().toLower() != "charset")
            continue;
        QByteArray value = part.mid(equals + 1).trimmed();
        if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
            value.back() == value.front())
            value = value.mid(1, value.size() - 2).trimmed();
        return value.toLower();
    }
    return QByteArray();
}
