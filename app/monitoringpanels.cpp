#include "app/monitoringpanels.h"

#include "monitor/monitorpanel.h"
#include "platform/reentryguard.h"

MonitoringPanels::MonitoringPanels(MonitorPanel *schedule, MonitorPanel *loop, ReentryGuard &guard,
                                   const Clock &clock, QList<QWidget *> inputs,
                                   std::function<bool()> queryInputsFilled, QObject *parent)
    : QObject(parent), m_guard(guard), m_panels{schedule, loop}, m_inputs(std::move(inputs))
{
    loop->hide();
    for (MonitorPanel *panel : std::as_const(m_panels)) {
        panel->attach(guard, clock, queryInputsFilled);
        connect(panel, &MonitorPanel::armed, this, [this] { setInputsLocked(true); });
        connect(panel, &MonitorPanel::disarmed, this, [this] { setInputsLocked(false); });
        connect(panel, &MonitorPanel::due, this, &MonitoringPanels::due);
    }
    connect(schedule, &MonitorPanel::leaving, this, [schedule, loop] { swap(schedule, loop); });
    connect(loop, &MonitorPanel::leaving, this, [schedule, loop] { swap(loop, schedule); });
}

void MonitoringPanels::due()
{
    if (!m_guard.putOffWhileBoxOpen(ReentryGuard::Work::PanelQuery, [this] { due(); }))
        emit queryDue();
}

void MonitoringPanels::setHeld(bool held)
{
    for (MonitorPanel *panel : std::as_const(m_panels))
        panel->setHeld(held);
}

void MonitoringPanels::setInputsLocked(bool locked)
{
    m_armed = locked;
    for (QWidget *input : std::as_const(m_inputs))
        input->setEnabled(!locked);
}

void MonitoringPanels::swap(QWidget *leaving, QWidget *coming)
{
    // The two panels take turns in one place.
    coming->show();
    coming->move(leaving->pos());
    leaving->hide();
}
