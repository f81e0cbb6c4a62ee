#pragma once

#include "monitor/monitorpanel.h"

namespace Ui {
class LoopPanel;
}

// `loopPanel`, the loop query panel: a query every N minutes, N from `intervalBox`, counted by the minute
// ticks of `minuteCountTimer`. The caption of `loopButton` is the state: "开始循环" disarmed, "停止循环" armed;
// `toScheduleButton` leaves for the scheduled query panel.
class LoopPanel : public MonitorPanel {
    Q_OBJECT
public:
    explicit LoopPanel(QWidget *parent = nullptr);
    ~LoopPanel() override;

protected:
    QTime nextQuery() const override;
    bool timeChosen() const override;
    void tick() override; // `minuteCountTimer`: one minute more; the query on the N-th
    void restart() override { m_loopMinuteCount = 0; }

private:
    Ui::LoopPanel *ui;
    int m_loopMinuteCount = 0; // `loopMinuteCount`: minutes since arming or the last query
};
