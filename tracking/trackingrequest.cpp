#include "tracking/trackingrequest.h"

QUrl TrackingRequest::url(const QString &host, const QString &companyCode, const QString &number)
{
    const QByteArray encoded = "http://" + host.toUtf8() + "/?com=" + QUrl::toPercentEncoding(companyCode) +
                               "&nu=" + QUrl::toPercentEncoding(number) + "&id=" + accessKey + "&type=html";
    // Built from bytes so that QUrl sends them as they are instead of re-encoding the number.
    return QUrl::fromEncoded(encoded, QUrl::StrictMode);
}
