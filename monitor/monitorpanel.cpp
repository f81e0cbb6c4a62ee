#include "monitor/monitorpanel.h"

#include "common/texts.h"
#include "platform/messageboxes.h"

#include <QPushButton>

MonitorPanel::MonitorPanel(QWidget *parent, const char *timerName, int intervalMs)
    : QGroupBox(parent), m_timer(this)
{
    m_timer.setObjectName(QLatin1String(timerName));
    m_timer.setInterval(intervalMs);
    connect(&m_timer, &QTimer::timeout, this, [this] {
        if (isArmed() && !m_held)
            tick();
    });
}

void MonitorPanel::attach(MessageBoxes &boxes, const Clock &clock, std::function<bool()> queryInputsFilled)
{
    m_boxes = &boxes;
    m_clock = &clock;
    m_queryInputsFilled = std::move(queryInputsFilled);
}

void MonitorPanel::setControls(QPushButton *armButton, QPushButton *leaveButton, QList<QWidget *> lists,
                               Wording wording)
{
    m_armButton = armButton;
    m_lists = std::move(lists);
    m_texts = std::move(wording);
    connect(armButton, &QPushButton::clicked, this, &MonitorPanel::armClick);
    connect(leaveButton, &QPushButton::clicked, this, &MonitorPanel::leaveClick);
}

void MonitorPanel::setHeld(bool held)
{
    m_held = held;
}

bool MonitorPanel::isArmed() const
{
    return m_armed;
}

QStringList MonitorPanel::numbers(int first, int last)
{
    QStringList list;
    for (int n = first; n <= last; ++n)
        list.append(QString::number(n));
    return list;
}

void MonitorPanel::setListsEnabled(bool enabled)
{
    for (QWidget *list : std::as_const(m_lists))
        list->setEnabled(enabled);
}

void MonitorPanel::armClick()
{
    if (m_armed) {
        disarm();
        return;
    }
    const QString refusal = !m_queryInputsFilled() ? m_texts.noQuery
                            : !timeChosen()        ? m_texts.noTime
                                                   : QString();
    if (!refusal.isEmpty()) {
        m_boxes->show({Texts::boxTitle(), refusal, BoxIcon::Information, BoxButton::Ok, BoxButton::NoButton});
        return;
    }
    setListsEnabled(false);
    emit armed();
    m_armed = true;
    m_armButton->setText(m_texts.armedCaption);
    m_timer.start();
    restart();
    showNextQuery();
}

void MonitorPanel::showNextQuery()
{
    m_armButton->setToolTip(tr("下次查询：%1").arg(nextQuery().toString(QStringLiteral("HH:mm"))));
}

void MonitorPanel::disarm()
{
    m_armed = false;
    m_armButton->setText(m_texts.disarmedCaption);
    m_timer.stop();
    setListsEnabled(true);
    m_armButton->setToolTip(QString());
    emit disarmed();
    restart();
}

void MonitorPanel::leaveClick()
{
    if (isArmed() && m_boxes->show({Texts::boxTitle(), m_texts.leaveQuestion, BoxIcon::Information,
                                    BoxButton::Yes | BoxButton::No, BoxButton::Yes}) != BoxButton::Yes)
        return;
    emit leaving();
    disarm();
}
