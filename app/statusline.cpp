#include "app/statusline.h"

#include "common/statusbar.h"
#include "platform/clock.h"

#include <QDateTime>

StatusLine::StatusLine(StatusBar *bar, const Clock &clock, QObject *parent)
    : QObject(parent), m_bar(bar), m_clock(clock), m_clockTimer(this)
{
    // Panel widths 1440, 5475, 1440 and 1200 twips; panel 2 is the message line, panel 4 a clock.
    m_bar->setPanels({{96, tr("查询提示："), tr("查询提示"), QStringLiteral("captionPanel")},
                      {365, tr("程序检测更新中.."), tr("消息"), QStringLiteral("messagePanel")},
                      {96, tr("Mirovel出品"), tr("出品"), QStringLiteral("makerPanel")},
                      {80, QString(), tr("时间"), QStringLiteral("clockPanel")}});
    m_clockTimer.setSingleShot(true);
    connect(&m_clockTimer, &QTimer::timeout, this, &StatusLine::showClock);
}

void StatusLine::setMessage(const QString &text, const QString &cause)
{
    m_bar->setText(2, text, cause);
}

void StatusLine::showClock()
{
    const QDateTime now = m_clock.now();
    m_bar->setText(4, now.toString(QStringLiteral("HH:mm")));
    // Wake once a minute, just after the minute turns.
    m_clockTimer.start(60000 - (now.time().second() * 1000 + now.time().msec()) + 50);
}
