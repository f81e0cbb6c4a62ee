#include "qtwebfetch.h"

#include "tracking/answerdecoder.h"

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
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    request.setAttribute(QNetworkRequest::CacheSaveControlAttribute, false);
    request.setRawHeader("User-Agent", "Quillon/3.0");

    QNetworkReply *reply = m_manager->get(request);

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
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    deadline.stop();

    FetchResult result;
    result.httpStatus = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (timedOut) {
        result.outcome = FetchResult::Outcome::Timeout;
    } else if (tooLarge) {
        result.outcome = FetchResult::Outcome::TooLarge;
    } else {
        if (result.httpStatus >= 400)
            result.outcome = FetchResult::Outcome::HttpError;
        else if (reply->error() == QNetworkReply::NoError && result.httpStatus >= 200)
            result.outcome = FetchResult::Outcome::Ok;
        else
            result.outcome = FetchResult::Outcome::NetworkError;
        result.body = AnswerDecoder::decode(reply->readAll(), reply->rawHeader("Content-Type"));
    }

    // The loop has returned, so no signal of the reply is still being delivered.
    delete reply;
    return result;
}
