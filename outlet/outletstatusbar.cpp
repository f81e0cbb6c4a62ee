#include "outlet/outletstatusbar.h"

#include <QLabel>

namespace {
constexpr int firstPanelWidth = 64; // 960 twips: room for "提示："
constexpr int margin = 2;
} // namespace

OutletStatusBar::OutletStatusBar(QWidget *parent) : QFrame(parent)
{
    const char *const initialTexts[2] = {"提示：", "请输入要查询的网点名称"};
    for (int i = 0; i < 2; ++i) {
        auto *panel = new QLabel(QString::fromUtf8(initialTexts[i]), this);
        panel->setObjectName(QStringLiteral("S1Panel%1").arg(i + 1));
        panel->setFrameShape(QFrame::Panel);
        panel->setFrameShadow(QFrame::Sunken);
        panel->setTextFormat(Qt::PlainText); // messages may carry server text
        panel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        panel->setIndent(3);
        m_panels[i] = panel;
    }
}

void OutletStatusBar::setText(int panel, const QString &text)
{
    if (panel >= 1 && panel <= 2)
        m_panels[panel - 1]->setText(text);
}

QString OutletStatusBar::text(int panel) const
{
    return panel >= 1 && panel <= 2 ? m_panels[panel - 1]->text() : QString();
}

void OutletStatusBar::resizeEvent(QResizeEvent *event)
{
    QFrame::resizeEvent(event);
    // The message panel takes whatever the first one leaves.
    const int height = qMax(0, this->height() - 2 * margin);
    m_panels[0]->setGeometry(margin, margin, firstPanelWidth, height);
    const int secondLeft = margin + firstPanelWidth + 1;
    m_panels[1]->setGeometry(secondLeft, margin, qMax(0, width() - secondLeft - margin), height);
}
