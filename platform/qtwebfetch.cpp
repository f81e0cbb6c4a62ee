#include "platform/qtwebfetch.h"

#include "common/version.h"
#include "platform/answerdecoder.h"

#include <QEventLoop>
#include <QLoggingCategory>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>

namespace {
Q_LOGGING_CATEGORY(fetchLog, "quillon.fetch", QtInfoMsg)

// One request under way, waited for or not: it ends the request at the deadline or past the size
// limit and reads what came back, the same way for every kind of fetch.
class ReplyWatch : public QObject {
public:
    using Done = std::function<void(const FetchResult &)>;

    // `inBackground`: the watch owns the reply and deletes itself, and the reply with it, once over.
    ReplyWatch(QNetworkReply *reply, int deadlineMs, qint64 maxBytes, Done done, bool inBackground)
        : m_reply(reply), m_maxBytes(maxBytes), m_done(std::move(done)), m_inBackground(inBackground)
    {
        if (inBackground)
            reply->setParent(this);
        m_deadline.setSingleShot(true);
        m_deadline.setTimerType(Qt::PreciseTimer); // a coarse timer may fire up to 5 % early
        connect(&m_deadline, &QTimer::timeout, this, [this] {
            if (!m_reply->isFinished()) {
                m_timedOut = true;
                m_reply->abort();
            }
        });
        connect(reply, &QNetworkReply::downloadProgress, this,
                [this](qint64 received, qint64 total) { overLimit(qMax(received, total)); });
        connect(reply, &QNetworkReply::metaDataChanged, this, [this] {
            const QVariant length = m_reply->header(QNetworkRequest::ContentLengthHeader);
            if (length.isValid())
                overLimit(length.toLongLong());
        });
        connect(reply, &QNetworkReply::finished, this, &ReplyWatch::finish);
        m_deadline.start(deadlineMs);
        // A reply that is already done may have said so before the connection above.
        if (reply->isFinished())
            QTimer::singleShot(0, this, &ReplyWatch::finish);
    }

    // A request still under way when its watch goes is dropped without a word.
    ~ReplyWatch() override
    {
        if (!m_over && m_reply && !m_reply->isFinished()) {
            m_over = true;
            m_reply->abort();
        }
    }

    bool isOver() const { return m_over; }

private:
    void overLimit(qint64 bytes)
    {
        if (bytes > m_maxBytes && !m_tooLarge && !m_timedOut) {
            m_tooLarge = true;
            m_reply->abort();
        }
    }

    void finish()
    {
        if (m_over)
            return;
        m_over = true;
        m_deadline.stop();
        const FetchResult result = read();
        log(result);
        if (m_inBackground)
            deleteLater(); // not now: the reply is still delivering its signal
        m_done(result);
    }

    FetchResult read() const
    {
        FetchResult result;
        result.httpStatus = m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        if (m_timedOut) {
            result.outcome = FetchResult::Outcome::Timeout;
            result.deadlineMs = m_deadline.interval();
        } else if (m_reply->error() == QNetworkReply::OperationCanceledError && !m_tooLarge) {
            result.outcome = FetchResult::Outcome::Aborted;
        } else if (m_tooLarge) {
            result.outcome = FetchResult::Outcome::TooLarge;
        } else {
            if (result.httpStatus >= 400)
                result.outcome = FetchResult::Outcome::HttpError;
            else if (m_reply->error() == QNetworkReply::NoError && result.httpStatus >= 200)
                result.outcome = FetchResult::Outcome::Ok;
            else if (m_reply->error() == QNetworkReply::TooManyRedirectsError)
                result.outcome = FetchResult::Outcome::Redirected;
            else
                result.outcome = m_reply->error() == QNetworkReply::RemoteHostClosedError
                                     ? FetchResult::Outcome::Cut
                                     : FetchResult::Outcome::NetworkError;
            result.body = AnswerDecoder::decode(m_reply->readAll(), m_reply->rawHeader("Content-Type"));
        }
        return result;
    }

    // A request that failed, with the network's own words for why; an abandoned wait is no failure.
    void log(const FetchResult &result) const
    {
        if (result.ok() || result.outcome == FetchResult::Outcome::Aborted)
            return;
        // The query is left out: it holds the number and the key.
        const QString cause =
            m_timedOut   ? QStringLiteral("no answer before the deadline")
            : m_tooLarge ? QStringLiteral("more than %1 bytes").arg(m_maxBytes)
            : result.outcome == FetchResult::Outcome::HttpError
                ? QStringLiteral("HTTP %1 %2")
                      .arg(result.httpStatus)
                      .arg(m_reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString())
                : m_reply->errorString();
        qCWarning(fetchLog).noquote()
            << "GET" << m_reply->url().toDisplayString(QUrl::RemoveQuery) << "failed:" << cause;
    }

    QPointer<QNetworkReply> m_reply;
    qint64 m_maxBytes;
    Done m_done;
    bool m_inBackground;
    QTimer m_deadline;
    bool m_timedOut = false;
    bool m_tooLarge = false;
    bool m_over = false;
};
} // namespace

QtWebFetch::QtWebFetch(int deadlineMs, qint64 maxBytes)
    : m_manager(new QNetworkAccessManager), m_deadlineMs(deadlineMs), m_maxBytes(maxBytes)
{
}

QtWebFetch::~QtWebFetch()
{
    delete m_manager;
}

void QtWebFetch::abortResponsive()
{
    const auto waits = m_responsiveWaits;
    for (const QPointer<QObject> &reply : waits) {
        if (reply)
            static_cast<QNetworkReply *>(reply.data())->abort();
    }
}

void QtWebFetch::getInBackground(const QUrl &url, QObject *context,
                                 std::function<void(const FetchResult &)> done)
{
    auto *watch = new ReplyWatch(start(url, {}), m_deadlineMs, m_maxBytes, std::move(done), true);
    watch->setParent(context); // the request goes with its context
}

QNetworkReply *QtWebFetch::start(const QUrl &url, const QList<QPair<QByteArray, QByteArray>> &headers)
{
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    request.setAttribute(QNetworkRequest::CacheSaveControlAttribute, false);
    request.setRawHeader("User-Agent", "Quillon/" + Version::majorMinor().toLatin1());
    for (const auto &[name, value] : headers)
        request.setRawHeader(name, value);
    return m_manager->get(request);
}

// The outlet dialog's loop, kept on purpose: the dialog stays usable, and its close ends the wait.
FetchResult QtWebFetch::getResponsive(const QUrl &url, const QList<QPair<QByteArray, QByteArray>> &headers)
{
    QNetworkReply *reply = start(url, headers);
    m_responsiveWaits.append(reply);

    // All state is local, so a wait started from a repaint or timer inside this one stays independent.
    FetchResult result;
    {
        QEventLoop loop;
        const ReplyWatch watch(
            reply, m_deadlineMs, m_maxBytes,
            [&](const FetchResult &read) {
                result = read;
                loop.quit();
            },
            false);
        // A quit() before exec() would be lost, so a request that is already over must not enter the loop.
        if (!watch.isOver())
            loop.exec();
    }
    m_responsiveWaits.removeAll(reply);

    // The loop has returned, so no signal of the reply is still being delivered.
    delete reply;
    return result;
}
