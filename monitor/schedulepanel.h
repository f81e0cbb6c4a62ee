#pragma once

#include <QGroupBox>

namespace Ui {
class SchedulePanel;
}

// `Frame4`, the scheduled query panel: one query at a chosen hour and minute.
class SchedulePanel : public QGroupBox {
    Q_OBJECT
public:
    explicit SchedulePanel(QWidget *parent = nullptr);
    ~SchedulePanel() override;

    // Fills the hour list `Combo2` with 0..23 and the minute list `Combo3` with 0..59, both at "0".
    void fillLists();

private:
    Ui::SchedulePanel *ui;
};
