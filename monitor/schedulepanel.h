#pragma once

#include "monitor/monitorpanel.h"

namespace Ui {
class SchedulePanel;
}

// The scheduled query panel: one query at the chosen hour and minute, the clock watched each
// second. Its arming button reads "开始定时" disarmed and "关闭定时" armed; the other button
// leaves for the loop panel.
class SchedulePanel : public MonitorPanel {
    Q_OBJECT
public:
    explicit SchedulePanel(QWidget *parent = nullptr);
    ~SchedulePanel() override;

protected:
    QTime nextQuery() const override;
    bool timeChosen() const override;
    void tick() override; // the query at the chosen minute, then disarmed
    void restart() override {}

private:
    Ui::SchedulePanel *ui;
};
