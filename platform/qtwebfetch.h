#pragma once

#include "platform/webfetch.h"

#include <QList>
#include <QPointer>
#include <QtGlobal>

class QNetworkAccessManager;
class QNetworkReply;

// WebFetch over QNetworkAccessManager, every request bounded by a total deadline and a size limit.
// getResponsive() waits in a local event loop that lets user input through; getInBackground() does
// not wait. The fetch outlives every caller.
class QtWebFetch : public WebFetch {
public:
    explicit QtWebFetch(int deadlineMs = 15000, qint64 maxBytes = 32 * 1024 * 1024);
    ~QtWebFetch() override;

    QtWebFetch(const QtWebFetch &) = delete;
    QtWebFetch &operator=(const QtWebFetch &) = delete;

    FetchResult getResponsive(const QUrl &url,
                              const QList<QPair<QByteArray, QByteArray>> &headers = {}) override;
    void abortResponsive() override;
    void getInBackground(const QUrl &url, QObject *context,
                         std::function<void(const FetchResult &)> done) override;

private:
    QNetworkReply *start(const QUrl &url, const QList<QPair<QByteArray, QByteArray>> &headers);

    QNetworkAccessManager *m_manager;
    int m_deadlineMs;
    qint64 m_maxBytes;
    QList<QPointer<QObject>> m_responsiveWaits; // the replies of the responsive waits under way
};
