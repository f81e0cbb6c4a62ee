#pragma once

#include <QGroupBox>

namespace Ui {
class LoopPanel;
}

// `Frame6`, the loop query panel: a query every N minutes.
class LoopPanel : public QGroupBox {
    Q_OBJECT
public:
    explicit LoopPanel(QWidget *parent = nullptr);
    ~LoopPanel() override;

    // Fills the minutes list `Combo4` with 1..360, nothing selected.
    void fillLists();

private:
    Ui::LoopPanel *ui;
};
