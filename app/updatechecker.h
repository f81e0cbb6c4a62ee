#pragma once

#include "platform/endpoints.h"
#include "platform/platform.h"

#include <QObject>
#include <QTimer>

class ReentryGuard;

// The update check a second after start: a newer version is announced, its forum page opened and
// the program ended; otherwise the main window is ready for queries, after a box when the check
// failed. Its request goes out and the window goes on; it is put off while a box of the window is
// open.
class UpdateChecker : public QObject {
    Q_OBJECT
public:
    UpdateChecker(ReentryGuard &guard, const Platform &platform, const Endpoints &endpoints, QObject *parent);
    void startSoon();
    // Due until its request goes out; Waiting for the answer; Answered while its box is open; Ended.
    enum class State { Due, Waiting, Answered, Ended };
    State state() const { return m_state; }

signals:
    void message(const QString &text, const QString &cause); // for the message line
    void waitingChanged();                                   // the request went out, or its answer came
    void ended();                                            // the window may take queries

private:
    void check();
    void answered(const FetchResult &answer);

    ReentryGuard &m_guard;
    Platform m_platform;
    QString m_host;
    QUrl m_forumUrl;
    QTimer m_timer;
    State m_state = State::Due;
};
