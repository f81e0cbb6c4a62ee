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
    bool isWaiting() const { return m_state == State::Waiting; } // for its answer
    bool isRunning() const { return m_state == State::Waiting || m_state == State::Answered; }
    bool hasEnded() const { return m_state == State::Ended; }

signals:
    void message(const QString &text, const QString &cause); // for the message line
    void waitingChanged();                                   // the request went out, or its answer came
    void ended();                                            // the window may take queries

private:
    enum class State { Due, Waiting, Answered, Ended };
    void check();
    void answered(const FetchResult &answer);

    ReentryGuard &m_guard;
    Platform m_platform;
    QString m_host;
    QUrl m_forumUrl;
    QTimer m_timer;
    State m_state = State::Due;
};
