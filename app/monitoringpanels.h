#pragma once

#include <QList>
#include <QObject>
#include <functional>

class Clock;
class MonitorPanel;
class QWidget;
class ReentryGuard;

// The scheduled and the loop query panels as the main window uses them: the two take turns in one
// place, the loop panel hidden first; the window's inputs stay locked while one is armed; a query
// that falls due while a box of the window is open runs once it is answered.
class MonitoringPanels : public QObject {
    Q_OBJECT
public:
    // `inputs` are locked while a panel is armed; arming needs `queryInputsFilled()`.
    MonitoringPanels(MonitorPanel *schedule, MonitorPanel *loop, ReentryGuard &guard, const Clock &clock,
                     QList<QWidget *> inputs, std::function<bool()> queryInputsFilled, QObject *parent);

    bool isArmed() const { return m_armed; } // one of the two is
    void setHeld(bool held);                 // while the window waits for an answer

signals:
    void queryDue(); // the window is free for the query now

private:
    void due();
    void setInputsLocked(bool locked);
    static void swap(QWidget *leaving, QWidget *coming);

    ReentryGuard &m_guard;
    QList<MonitorPanel *> m_panels;
    QList<QWidget *> m_inputs;
    bool m_armed = false;
};
