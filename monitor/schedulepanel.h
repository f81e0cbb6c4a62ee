#pragma once

#include "monitor/monitorpanel.h"

namespace Ui {
class SchedulePanel;
}

// `Frame4`, the scheduled query panel: one query at the hour of `Combo2` and the minute of
// `Combo3`, watched each second by `Timer4`. The caption of `Command8` is the state: "开始定时"
// disarmed, "关闭定时" armed; `Command10` leaves for the loop panel.
class SchedulePanel : public MonitorPanel {
    Q_OBJECT
public:
    explicit SchedulePanel(QWidget *parent = nullptr);
    ~SchedulePanel() override;

protected:
    QTime nextQuery() const override;
    bool timeChosen() const override;
    void tick() override; // `Timer4`: the query at the chosen minute, then disarmed
    void restart() override {}

private:
    Ui::SchedulePanel *ui;
};
