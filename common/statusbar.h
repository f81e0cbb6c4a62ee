#pragma once

#include <QFrame>
#include <QList>

class QLabel;

// A status line of sunken panels, as at the foot of the main window and of the outlet dialog. Panels
// are counted from 1; every one shows plain text, since messages may carry a server's text.
class StatusBar : public QFrame {
    Q_OBJECT
public:
    struct Panel {
        int width; // pixels; 0 takes what the others leave
        QString text;
        QString accessibleName;
        QString objectName; // what tests find it by
    };
    explicit StatusBar(QWidget *parent = nullptr);
    void setPanels(const QList<Panel> &panels);
    // A new text takes the panel's tooltip with it; `toolTip` says more about the new one.
    void setText(int panel, const QString &text, const QString &toolTip = QString());
    QString text(int panel) const;

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    QList<QLabel *> m_panels;
    QList<int> m_widths;
};
