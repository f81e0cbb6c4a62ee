// A typed outlet name or parcel number on its way into a request URL. The input is read as UTF-8 and
// also as raw UTF-16 code units, so that lone surrogate halves arrive too.
#include "outlet/outletname.h"
#include "tracking/trackingrequest.h"

#include <QUrlQuery>
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace {

const QString host = QStringLiteral("127.0.0.1:18765");

bool isUnreserved(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '.' || c == '_' || c == '~';
}

bool isUpperHex(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F');
}

// The bytes the server decodes from a query value as it goes over the wire. Compared as bytes:
// QUrl's own decoding turns noncharacters such as U+FFFF into replacement characters.
QByteArray received(const QString &encodedValue)
{
    return QByteArray::fromPercentEncoding(encodedValue.toLatin1());
}

void checkPercentEncode(const QString &text)
{
    const QByteArray encoded = TrackingRequest::percentEncode(text);
    for (qsizetype i = 0; i < encoded.size(); ++i) {
        if (isUnreserved(encoded.at(i)))
            continue;
        if (encoded.at(i) != '%' || i + 2 >= encoded.size() || !isUpperHex(encoded.at(i + 1)) ||
            !isUpperHex(encoded.at(i + 2)))
            __builtin_trap();
        i += 2;
    }
    if (QByteArray::fromPercentEncoding(encoded) != text.toUtf8())
        __builtin_trap();
}

void checkUtf8UrlEncoding(const QString &text)
{
    const QString encoded = UTF8_URLEncoding(text);
    bool ascii = true;
    for (const QChar c : text)
        ascii = ascii && c.unicode() < 0x80;
    for (const QChar c : encoded) {
        if (c.unicode() >= 0x80)
            __builtin_trap();
    }
    // ASCII is never escaped.
    if (ascii && encoded != text)
        __builtin_trap();
}

void checkOutletQuery(const QString &text)
{
    const QUrl url = outletQueryUrl(host, text);
    if (!url.isValid())
        __builtin_trap();
    const QUrlQuery query(url);
    const QList<QPair<QString, QString>> items = query.queryItems(QUrl::FullyEncoded);
    if (items.size() != 1 || items.first().first != u"name")
        __builtin_trap();
    if (received(items.first().second) != trimOutletName(text).toUtf8())
        __builtin_trap();
}

void checkTrackingUrl(const QString &company, const QString &number)
{
    const QUrl url = TrackingRequest::url(host, company, number);
    if (!url.isValid())
        __builtin_trap();
    const QList<QPair<QString, QString>> items = QUrlQuery(url).queryItems(QUrl::FullyEncoded);
    if (items.size() != 4 || items.at(0).first != u"com" || items.at(1).first != u"nu" ||
        items.at(2).first != u"id" || items.at(3).first != u"type")
        __builtin_trap();
    if (received(items.at(0).second) != company.toUtf8() || received(items.at(1).second) != number.toUtf8())
        __builtin_trap();
}

void checkAll(const QString &text)
{
    checkPercentEncode(text);
    checkUtf8UrlEncoding(text);
    checkOutletQuery(text);
    checkTrackingUrl(QStringLiteral("shentong"), text);
    checkTrackingUrl(text, QStringLiteral("1234567890"));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    checkAll(QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size)));

    QString units(qsizetype(size / 2), Qt::Uninitialized);
    std::memcpy(units.data(), data, (size / 2) * sizeof(char16_t));
    checkAll(units);
    return 0;
}
