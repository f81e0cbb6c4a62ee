#include "common/statusbar.h"

#include <QLabel>

namespace {
constexpr int margin = 2;
}

StatusBar::StatusBar(QWidget *parent) : QFrame(parent) {}

void StatusBar::setPanels(const QList<Panel> &panels)
{
    for (const Panel &panel : panels) {
        auto *label = new QLabel(this);
        label->setObjectName(panel.objectName);
        label->setFrameShape(QFrame::Panel);
        label->setFrameShadow(QFrame::Sunken);
        label->setTextFormat(Qt::PlainText);
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        label->setIndent(3);
        label->setAccessibleName(panel.accessibleName);
        m_panels.append(label);
        m_widths.append(panel.width);
        setText(int(m_panels.size()), panel.text);
    }
    resizeEvent(nullptr);
}

void StatusBar::setText(int panel, const QString &text, const QString &toolTip)
{
    if (panel < 1 || panel > m_panels.size())
        return;
    m_panels[panel - 1]->setText(text);
    m_panels[panel - 1]->setToolTip(toolTip);
    // A named panel announces its name, so its changing text goes to the description.
    m_panels[panel - 1]->setAccessibleDescription(text);
}

QString StatusBar::text(int panel) const
{
    return panel >= 1 && panel <= m_panels.size() ? m_panels[panel - 1]->text() : QString();
}

void StatusBar::resizeEvent(QResizeEvent *event)
{
    if (event)
        QFrame::resizeEvent(event);
    int fixed = int(m_widths.size()) - 1; // the gaps
    for (int width : std::as_const(m_widths))
        fixed += width;
    int left = margin;
    for (qsizetype i = 0; i < m_panels.size(); ++i) {
        const int width = m_widths[i] > 0 ? m_widths[i] : qMax(0, this->width() - 2 * margin - fixed);
        m_panels[i]->setGeometry(left, margin, width, qMax(0, height() - 2 * margin));
        left += width + 1;
    }
}
