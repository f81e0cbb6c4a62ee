#pragma once

#include "platform/messageboxes.h"

#include <QObject>
#include <QScopeGuard>
#include <array>
#include <functional>

class QWidget;

// Keeps the main window from being entered again while one of its handlers waits: for the
// network (a query, the update check) or for the answer to one of its message boxes.
// - A close asked for during such a handler is asked once the outermost one is over.
// - Work that a timer starts (the update check, a panel's query) waits while a box is open and
//   runs once it is answered; an ending program runs none of it.
// - The monitoring panels' timers are held while a handler runs.
class ReentryGuard : public QObject {
    Q_OBJECT
public:
    enum class Work { UpdateCheck, PanelQuery }; // the order they run in once the window is free

    // `holdTimers(true)` while a handler runs, `holdTimers(false)` after.
    ReentryGuard(QWidget *window, MessageBoxes &boxes, std::function<void(bool)> holdTimers);

    // Marks a handler that may wait for the network, until the returned value goes.
    [[nodiscard]] auto handler()
    {
        enter();
        return qScopeGuard([this] { leave(); });
    }
    bool handlerRunning() const { return m_depth > 0; }
    // The running handler has waited: the window system's events were held with the user's input.
    void waited() { m_waited = true; }
    // The window's message boxes, through which each of its boxes must go: over the window, unless
    // the request names another of the program's windows.
    MessageBoxes &boxes() { return m_boxes; }
    // True when `work` cannot run now because a box is open; it runs once the box is answered.
    bool putOffWhileBoxOpen(Work work, std::function<void()> run);
    // True when a close must wait for the running handler; the window ignores it meanwhile.
    bool holdClose();
    // The program ends at once: a held close and put-off work are dropped.
    void programEnding() { m_ending = true; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    class CountedBoxes : public MessageBoxes {
    public:
        CountedBoxes(ReentryGuard &guard, MessageBoxes &boxes) : m_guard(guard), m_boxes(boxes) {}
        BoxButton show(const BoxRequest &request) override;
        int open = 0;

    private:
        ReentryGuard &m_guard;
        MessageBoxes &m_boxes;
    };

    void enter();
    void leave();
    void deliverHeldEvents();
    void runPutOffSoon();
    void runPutOff();

    QWidget *m_window;
    CountedBoxes m_boxes;
    std::function<void(bool)> m_holdTimers;
    std::array<std::function<void()>, 2> m_putOff; // by Work
    int m_depth = 0;                               // handlers running that may wait for the network
    bool m_waited = false;                         // the running handler has waited: events are held back
    bool m_deliveringHeld = false;                 // those events are being delivered before a box
    bool m_closePending = false;                   // a close was asked for while a handler ran
    bool m_ending = false;
};
