#pragma once

#include <QObject>
#include <QTimer>

class Clock;
class StatusBar;

// The status line at the main window's foot: a caption, the message line, the maker's name and a
// clock that shows the time to the minute.
class StatusLine : public QObject {
    Q_OBJECT
public:
    StatusLine(StatusBar *bar, const Clock &clock, QObject *parent);
    // The message line; a new text takes its tooltip with it, and `cause` says more about it.
    void setMessage(const QString &text, const QString &cause = QString());
    void showClock(); // now, and again each minute

private:
    StatusBar *m_bar;
    const Clock &m_clock;
    QTimer m_clockTimer;
};
