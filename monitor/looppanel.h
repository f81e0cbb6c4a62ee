#pragma once

#include "monitor/monitorpanel.h"

namespace Ui {
class LoopPanel;
}

// The loop query panel: a query every N minutes, N from its interval list, counted by the minute
// ticks of its timer. Its arming button reads "开始循环" disarmed and "停止循环" armed; the other
// button leaves for the scheduled query panel.
class LoopPanel : public MonitorPanel {
    Q_OBJECT
public:
    explicit LoopPanel(QWidget *parent = nullptr);
    ~LoopPanel() override;

protected:
    QTime nextQuery() const override;
    bool timeChosen() const override;
    void tick() override; // one minute more; the query on the N-th
    void restart() override { m_loopMinuteCount = 0; }

private:
    Ui::LoopPanel *ui;
    int m_loopMinuteCount = 0; // minutes since arming or the last query
};
