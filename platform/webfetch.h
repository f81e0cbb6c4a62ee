#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>
#include <QUrl>
#include <functional>

class QObject;

// What one HTTP GET brought back. The body is already text (see AnswerDecoder).
struct FetchResult {
    enum class Outcome {
        Ok,           // a 2xx/3xx answer arrived whole
        HttpError,    // the server answered with a status of 400 or more
        NetworkError, // no connection: refused, no such host
        Redirected,   // the server sent the request on again and again instead of answering
        Cut,          // the connection dropped in the middle of the answer
        Timeout,      // the total deadline passed
        TooLarge,     // the body grew past the size limit
        Aborted,      // abortResponsive() ended the wait
    };

    Outcome outcome = Outcome::NetworkError;
    int httpStatus = 0;
    QString body;
    int deadlineMs = 0; // the total deadline that passed, for Outcome::Timeout

    bool ok() const { return outcome == Outcome::Ok; }
    // Why no usable answer came, in the words the message line's tooltip uses; empty when an
    // answer came whole with something in it, or the wait was abandoned. A record keeps the
    // Chinese words, whatever the interface's language, and shows them through shownCause().
    enum class Words { Shown, Kept };
    QString failureCause(Words words = Words::Shown) const;
    static QString shownCause(const QString &kept); // words no failure has come back as they are
};

// Web fetch service: GET a URL and have the whole answer handed over later, or wait for it.
class WebFetch {
public:
    virtual ~WebFetch() = default;

    // Returns only when the answer is in, the deadline has passed or the size limit was hit.
    // User input keeps flowing while it waits, so a dialog stays usable; `headers` are sent with
    // the request.
    virtual FetchResult getResponsive(const QUrl &url,
                                      const QList<QPair<QByteArray, QByteArray>> &headers = {}) = 0;
    // Ends every responsive wait at once with Outcome::Aborted.
    virtual void abortResponsive() = 0;

    // Starts a GET and returns at once: no event loop of its own runs, so nothing re-enters the
    // caller. `done` is called once, later, from the program's event loop, with the same limits and
    // decoding as getResponsive(); never if `context` goes first, which drops the request. abortResponsive()
    // leaves it alone.
    virtual void getInBackground(const QUrl &url, QObject *context,
                                 std::function<void(const FetchResult &)> done) = 0;
};
