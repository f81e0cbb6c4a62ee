#pragma once

#include <QComboBox>

// A drop-down list that only a click or Tab focuses and that the mouse wheel steps only while it
// has the focus: a wheel turned over it on the way elsewhere goes on to its parent, instead of
// picking an entry nobody chose.
class FocusComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit FocusComboBox(QWidget *parent = nullptr);

protected:
    void wheelEvent(QWheelEvent *event) override;
};
