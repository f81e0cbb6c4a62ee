#include "app/statusbar.h"

#include "platform/clock.h"

#include <QLabel>

namespace {
// Panel widths: 1440, 5475, 1440 and 1200 twips.
constexpr int panelWidths[4] = {96, 365, 96, 80};
const char *const initialTexts[3] = {"查询提示：", "程序检测更新中..", "Mirovel出品"};
// A named panel announces its name, so its changing text goes to the description.
const char *const accessibleNames[4] = {"查询提示", "消息", "出品", "时间"};

void setPanelText(QLabel *panel, const QString &text)
{
    panel->setText(text);
    panel->setAccessibleDescription(text);
}
} // namespace

StatusBar::StatusBar(QWidget *parent) : QFrame(parent)
{
    int left = 2;
    for (int i = 0; i < 4; ++i) {
        auto *panel = new QLabel(this);
        panel->setObjectName(QStringLiteral("S1Panel%1").arg(i + 1));
        panel->setFrameShape(QFrame::Panel);
        panel->setFrameShadow(QFrame::Sunken);
        panel->setTextFormat(Qt::PlainText); // messages may carry server text
        panel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        panel->setIndent(3);
        panel->setGeometry(left, 2, panelWidths[i], 37);
        panel->setAccessibleName(QString::fromUtf8(accessibleNames[i]));
        left += panelWidths[i] + 1;
        if (i < 3)
            setPanelText(panel, QString::fromUtf8(initialTexts[i]));
        m_panels[i] = panel;
    }
    m_clockTimer.setObjectName(QStringLiteral("S1Clock"));
    m_clockTimer.setSingleShot(true);
    connect(&m_clockTimer, &QTimer::timeout, this, &StatusBar::refreshClock);
}

void StatusBar::setText(int panel, const QString &text)
{
    if (panel >= 1 && panel <= 4)
        setPanelText(m_panels[panel - 1], text);
}

QString StatusBar::text(int panel) const
{
    return panel >= 1 && panel <= 4 ? m_panels[panel - 1]->text() : QString();
}

void StatusBar::startClock(const Clock &clock)
{
    m_clock = &clock;
    refreshClock();
}

void StatusBar::refreshClock()
{
    if (!m_clock)
        return;
    const QDateTime now = m_clock->now();
    setPanelText(m_panels[3], now.toString(QStringLiteral("HH:mm")));
    // Wake once a minute, just after the minute turns.
    const int msIntoMinute = now.time().second() * 1000 + now.time().msec();
    m_clockTimer.start(60000 - msIntoMinute + 50);
}
