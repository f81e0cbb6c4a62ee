#pragma once

#include "platform/webfetch.h"

#include <QtGlobal>

class QNetworkAccessManager;

// WebFetch over QNetworkAccessManager: waits in a local event loop that repaints windows
// but lets no user input through, bounded by a total deadline and a size limit.
class QtWebFetch : public WebFetch {
public:
    explicit QtWebFetch(int deadlineMs = 15000, qint64 maxBytes = 32 * 1024 * 1024);
    ~QtWebFetch() override;

    QtWebFetch(const QtWebFetch &) = delete;
    QtWebFetch &operator=(const QtWebFetch &) = delete;

    FetchResult get(const QUrl &url) override;

private:
    QNetworkAccessManager *m_manager;
    int m_deadlineMs;
    qint64 m_maxBytes;
};
