#include "platform/qtwebfetch.h"

#include "common/version.h"
#include "platform/answerdecoder.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>

QtWebFetch::QtWebFetch(int deadlineMs, qint64 maxBytes)
    : m_manager(new QNetworkAccessManager), m_deadlineMs(deadlineMs), m_maxBytes(maxBytes)
{
}

QtWebFetch::~QtWebFetch()
{
    delete m_manager;
}

FetchResult QtWebFetch::get(const QUrl &url)
{
    return fetch(url, {}, false);
}

FetchResult QtWebFetch::getResponsive(const QUrl &url, const QList<QPair<QByteArray, QByteArray>> &headers)
{
    return fetch(url, headers, true);
}

void QtWebFetch::abortResponsive()
{
    const auto waits = m_responsiveWaits;
    for (const QPointer<QObject> &reply : waits) {
        if (reply)
            static_cast<QNetworkReply *>(reply.data())->abort();
    }
}

FetchResult QtWebFetch::fetch(const QUrl &url, const QList<QPair<QByteArray, QByteArray>> &headers,
                              bool responsive)
{
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    request.setAttribute(QNetworkRequest::CacheSaveControlAttribute, false);
    request.setRawHeader("User-Agent", "Quillon/" + Version::majorMinor().toLatin1());
    for (const auto &[name, value] : headers)
        request.setRawHeader(name, value);

    QNetworkReply *reply = m_manager->get(request);
    if (responsive)
        m_responsiveWaits.append(reply);

    // All state is local, so a get() started from a repaint or timer inside this wait stays independent.
    bool timedOut = false;
    bool tooLarge = false;
    QEventLoop loop;
    QTimer deadline;
    deadline.setSingleShot(true);
    deadline.setTimerType(Qt::PreciseTimer); // a coarse timer may fire up to 5 % early

    const auto overLimit = [&](qint64 bytes) {
        if (bytes > m_maxBytes && !tooLarge && !timedOut) {
            tooLarge = true;
            reply->abort();
        }
    };
    QObject::connect(&deadline, &QTimer::timeout, &loop, [&] {
        if (!reply->isFinished()) {
            timedOut = true;
            reply->abort();
        }
    });
    QObject::connect(reply, &QNetworkReply::downloadProgress, &loop,
                     [&](qint64 received, qint64 total) { overLimit(qMax(received, total)); });
    QObject::connect(reply, &QNetworkReply::metaDataChanged, &loop, [&] {
        const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
        if (length.isValid())
            overLimit(length.toLongLong());
    });
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);

    deadline.start(m_deadlineMs);
    // A quit() before exec() would be lost, so a reply that is already done must not enter the loop.
    if (!reply->isFinished())
        loop.exec(responsive ? QEventLoop::AllEvents : QEventLoop::ExcludeUserInputEvents);
    deadline.stop();
    if (responsive)
        m_responsiveWaits.removeAll(reply);

    FetchResult result;
    result.httpStatus = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (timedOut) {
        result.outcome = FetchResult::Outcome::Timeout;
    } else if (reply->error() == QNetworkReply::OperationCanceledError && !tooLarge) {
        result.outcome = FetchResult::Outcome::Aborted;
    } else if (tooLarge) {
        result.outcome = FetchResult::Outcome::TooLarge;
    } else {
        if (result.httpStatus >= 400)
            result.outcome = FetchResult::Outcome::HttpError;
        else if (reply->error() == QNetworkReply::NoError && result.httpStatus >= 200)
            result.outcome = FetchResult::Outcome::Ok;
        else if (reply->error() == QNetworkReply::TooManyRedirectsError)
            result.outcome = FetchResult::Outcome::Redirected;
        else
            result.outcome = reply->error() == QNetworkReply::RemoteHostClosedError
                                 ? FetchResult::Outcome::Cut
                                 : FetchResult::Outcome::NetworkError;
        result.body = AnswerDecoder::decode(reply->readAll(), reply->rawHeader("Content-Type"));
    }

    // The loop has returned, so no signal of the reply is still being delivered.
    delete reply;
    return result;
}
