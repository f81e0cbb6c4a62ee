#pragma once

#include <QFrame>

class QLabel;

// The outlet dialog's status line `S1`: two sunken panels, "提示：" and the message panel.
class OutletStatusBar : public QFrame {
    Q_OBJECT
public:
    explicit OutletStatusBar(QWidget *parent = nullptr);

    // Panels are counted from 1.
    void setText(int panel, const QString &text);
    QString text(int panel) const;

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    QLabel *m_panels[2];
};
