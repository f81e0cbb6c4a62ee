#pragma once

#include "platform/endpoints.h"
#include "platform/platform.h"

#include <QObject>
#include <QTimer>

class ReentryGuard;

// The update check a second after start: a newer version is announced, its forum page opened and
// the program ended; otherwise the main window is ready for queries, after a box when the check
// failed. It runs as a handler of the main window, put off while one of its boxes is open.
class UpdateChecker : public QObject {
    Q_OBJECT
public:
    UpdateChecker(ReentryGuard &guard, const Platform &platform, const Endpoints &endpoints, QObject *parent);
    void startSoon();
    bool hasEnded() const { return m_ended; }

signals:
    void message(const QString &text, const QString &cause); // for the message line
    void ended();                                            // the window may take queries

private:
    void check();

    ReentryGuard &m_guard;
    Platform m_platform;
    QString m_host;
    QUrl m_forumUrl;
    QTimer m_timer;
    bool m_ended = false;
};
