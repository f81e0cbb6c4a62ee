#include "platform/reentryguard.h"

#include <QTimer>
#include <QWidget>

ReentryGuard::ReentryGuard(QWidget *window, MessageBoxes &boxes, std::function<bool()> busy)
    : QObject(window), m_window(window), m_boxes(boxes), m_busy(std::move(busy))
{
}

BoxButton ReentryGuard::show(const BoxRequest &request)
{
    BoxRequest asked = request;
    if (!asked.window) // the window's own box, unless one of its other windows asks
        asked.window = m_window;
    ++m_open;
    const BoxButton answer = m_boxes.show(asked);
    if (--m_open == 0)
        runPutOffSoon();
    return answer;
}

bool ReentryGuard::putOffWhileBoxOpen(Work work, std::function<void()> run)
{
    // Run now, it would leave the box to be answered inside it, and its own box would stack on it.
    if (m_open == 0)
        return false;
    m_putOff[std::size_t(work)] = std::move(run);
    return true;
}

void ReentryGuard::runPutOffSoon()
{
    if (m_putOff[0] || m_putOff[1])
        QTimer::singleShot(0, this, &ReentryGuard::runPutOff);
}

void ReentryGuard::runPutOff()
{
    for (std::function<void()> &work : m_putOff) {
        if (m_open > 0 || m_busy() || m_ending)
            return; // tried again once the box is answered or the wait is over
        if (const std::function<void()> run = std::exchange(work, nullptr))
            run();
    }
}
