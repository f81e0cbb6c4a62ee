#pragma once

#include "monitor/monitorpanel.h"

namespace Ui {
class SchedulePanel;
}

// `schedulePanel`, the scheduled query panel: one query at the hour of `hourBox` and the minute of
// `minuteBox`, watched each second by `clockWatchTimer`. The caption of `scheduleButton` is the state: "开始定时"
// disarmed, "关闭定时" armed; `toLoopButton` leaves for the loop panel.
class SchedulePanel : public MonitorPanel {
    Q_OBJECT
public:
    explicit SchedulePanel(QWidget *parent = nullptr);
    ~SchedulePanel() override;

protected:
    QTime nextQuery() const override;
    bool timeChosen() const override;
    void tick() override; // `clockWatchTimer`: the query at the chosen minute, then disarmed
    void restart() override {}

private:
    Ui::SchedulePanel *ui;
};
