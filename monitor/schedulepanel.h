#pragma once

#include "monitor/monitorcontext.h"

#include <QGroupBox>
#include <QTimer>

namespace Ui {
class SchedulePanel;
}

// `Frame4`, the scheduled query panel: one query at a chosen hour and minute. The caption of
// `Command8` is the state: "开始定时" disarmed, "关闭定时" armed.
class SchedulePanel : public QGroupBox {
    Q_OBJECT
public:
    explicit SchedulePanel(QWidget *parent = nullptr);
    ~SchedulePanel() override;

    void attach(const MonitorContext &context);
    // Fills the hour list `Combo2` with 0..23 and the minute list `Combo3` with 0..59, both at "0".
    void fillLists();

    bool isArmed() const;
    void command8Click();  // arm or disarm
    void command10Click(); // leave for the loop panel
    void timer4Tick();     // `Timer4`: fires the query at the chosen minute

signals:
    // The user leaves this panel for the loop panel; this panel is disarmed right after.
    void switchToLoop();

private:
    void setInputsEnabled(bool enabled);

    Ui::SchedulePanel *ui;
    MonitorContext m_context;
    QTimer m_timer4; // `Timer4`
};
