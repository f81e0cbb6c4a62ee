#pragma once

#include <QFrame>
#include <QTimer>

class Clock;
class QLabel;

// The status line `S1`: four sunken panels. Panel 2 is the program's message line;
// panel 4 is a clock (hours and minutes) that the status line keeps by itself.
class StatusBar : public QFrame {
    Q_OBJECT
public:
    explicit StatusBar(QWidget *parent = nullptr);

    // Panels are counted from 1.
    void setText(int panel, const QString &text);
    QString text(int panel) const;

    void startClock(const Clock &clock);
    void refreshClock();

private:
    QLabel *m_panels[4];
    const Clock *m_clock = nullptr;
    QTimer m_clockTimer;
};
