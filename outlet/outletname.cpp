#include "outlet/outletname.h"

#include "app/textrules.h"
#include "tracking/trackingrequest.h"

namespace {
void appendEscape(QString &out, unsigned byte)
{
    static constexpr char hex[] = "0123456789ABCDEF";
    out += QLatin1Char('%');
    out += QLatin1Char(hex[(byte >> 4) & 0x0F]);
    out += QLatin1Char(hex[byte & 0x0F]);
}
} // namespace

QString UTF8_URLEncoding(const QString &szInput)
{
    if (szInput.isEmpty())
        return szInput;
    QString out;
    out.reserve(szInput.size() * 9);
    for (const QChar unit : szInput) {
        const unsigned n = unit.unicode();
        if (n < 0x80) {
            out += unit;
        } else if (n < 0x800) {
            appendEscape(out, 0xC0 | (n >> 6));
            appendEscape(out, 0x80 | (n & 0x3F));
        } else {
            appendEscape(out, 0xE0 | (n >> 12));
            appendEscape(out, 0x80 | ((n >> 6) & 0x3F));
            appendEscape(out, 0x80 | (n & 0x3F));
        }
    }
    return out;
}

QString trimOutletName(const QString &typedName)
{
    return trimBlanks(typedName);
}

QUrl outletQueryUrl(const QString &host, const QString &typedName)
{
    const QByteArray encoded = "http://" + host.toUtf8() + "/query_list.asp?name=" +
                               TrackingRequest::percentEncode(trimOutletName(typedName));
    // Built from bytes so that QUrl sends the escapes as they are instead of re-encoding them.
    return QUrl::fromEncoded(encoded, QUrl::StrictMode);
}
