#pragma once

#include <QString>
#include <QUrl>

// The tracking request: "http://" host "/?com=" code "&nu=" number "&id=" key "&type=html".
class TrackingRequest {
public:
    // The service's access key, sent as "id".
    static constexpr const char *accessKey = "3C7E1A90B4D25F6E8A0C19D7E25B4F31";

    // The number goes as typed, UTF-8 with every byte outside A-Z a-z 0-9 - . _ ~ escaped, so
    // that blanks, "&", "#" or line breaks in it reach the service in its one key.
    static QUrl url(const QString &host, const QString &companyCode, const QString &number);
};
