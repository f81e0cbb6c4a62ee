#pragma once

#include "monitor/monitorcontext.h"

#include <QGroupBox>
#include <QTimer>

namespace Ui {
class LoopPanel;
}

// `Frame6`, the loop query panel: a query every N minutes. The caption of `Command5` is the
// state: "开始循环" disarmed, "停止循环" armed.
class LoopPanel : public QGroupBox {
    Q_OBJECT
public:
    explicit LoopPanel(QWidget *parent = nullptr);
    ~LoopPanel() override;

    void attach(const MonitorContext &context);
    // Fills the minutes list `Combo4` with 1..360, nothing selected.
    void fillLists();

    bool isArmed() const;
    int loopMinuteCount() const { return m_loopMinuteCount; }
    void command5Click();  // arm or disarm
    void command11Click(); // leave for the scheduled query panel
    void timer6Tick();     // `Timer6`: one minute more; the query on the N-th

signals:
    // The user leaves this panel for the scheduled query panel; this panel is disarmed right after.
    void switchToSchedule();

private:
    void setInputsEnabled(bool enabled);

    Ui::LoopPanel *ui;
    MonitorContext m_context;
    QTimer m_timer6;           // `Timer6`
    int m_loopMinuteCount = 0; // `loopMinuteCount`: minutes since arming or the last query
};
