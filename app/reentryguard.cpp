#include "app/reentryguard.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>

ReentryGuard::ReentryGuard(QWidget *window, MessageBoxes &boxes, std::function<void(bool)> holdTimers)
    : QObject(window), m_window(window), m_boxes(*this, boxes), m_holdTimers(std::move(holdTimers))
{
}

void ReentryGuard::enter()
{
    if (m_depth++ == 0)
        m_holdTimers(true);
}

void ReentryGuard::leave()
{
    if (--m_depth > 0)
        return;
    m_holdTimers(false);
    m_waited = false;
    if (std::exchange(m_closePending, false) && !m_ending)
        QTimer::singleShot(0, m_window, &QWidget::close);
    runPutOffSoon();
}

bool ReentryGuard::holdClose()
{
    // The window must not go while a fetch waits on it, and the farewell question must not stack
    // on a box of that handler.
    if (m_depth == 0)
        return false;
    m_closePending = true;
    return true;
}

bool ReentryGuard::putOffWhileBoxOpen(Work work, std::function<void()> run)
{
    // Its wait would leave the box deaf to every click, and its own box would stack on it.
    if (m_boxes.open == 0)
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
    if (m_boxes.open > 0 || m_depth > 0 || m_ending)
        return; // tried again once the box is answered or the handler is over
    for (std::function<void()> &work : m_putOff) {
        if (m_ending)
            return;
        if (const std::function<void()> run = std::exchange(work, nullptr))
            run();
    }
}

void ReentryGuard::deliverHeldEvents()
{
    // The wait held the window system's events back with the user's input. Shown now, a box would
    // block the window and Qt would drop a close among them, so they go first; the input goes as
    // the box would have dropped it.
    QWindow *window = m_window->windowHandle();
    if (window)
        window->installEventFilter(this);
    m_deliveringHeld = true;
    QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    m_deliveringHeld = false;
    if (window)
        window->removeEventFilter(this);
}

bool ReentryGuard::eventFilter(QObject *watched, QEvent *event)
{
    return m_deliveringHeld && watched == m_window->windowHandle() && event->isInputEvent();
}

BoxButton ReentryGuard::CountedBoxes::show(const BoxRequest &request)
{
    if (std::exchange(m_guard.m_waited, false))
        m_guard.deliverHeldEvents();
    BoxRequest asked = request;
    if (!asked.window) // the window's own box, unless one of its other windows asks
        asked.window = m_guard.m_window;
    ++open;
    const BoxButton answer = m_boxes.show(asked);
    if (--open == 0)
        m_guard.runPutOffSoon();
    return answer;
}
