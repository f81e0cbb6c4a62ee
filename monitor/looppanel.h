#pragma once

#include "monitor/monitorpanel.h"

namespace Ui {
class LoopPanel;
}

// `Frame6`, the loop query panel: a query every N minutes, N from `Combo4`, counted by the minute
// ticks of `Timer6`. The caption of `Command5` is the state: "开始循环" disarmed, "停止循环" armed;
// `Command11` leaves for the scheduled query panel.
class LoopPanel : public MonitorPanel {
    Q_OBJECT
public:
    explicit LoopPanel(QWidget *parent = nullptr);
    ~LoopPanel() override;

protected:
    QTime nextQuery() const override;
    bool timeChosen() const override;
    void tick() override; // `Timer6`: one minute more; the query on the N-th
    void restart() override { m_loopMinuteCount = 0; }

private:
    Ui::LoopPanel *ui;
    int m_loopMinuteCount = 0; // `loopMinuteCount`: minutes since arming or the last query
};
