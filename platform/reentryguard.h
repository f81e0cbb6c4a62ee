#pragma once

#include "platform/messageboxes.h"

#include <QObject>
#include <array>
#include <functional>

class QWidget;

// Keeps the main window from being entered again while one of its message boxes waits for the
// user. Every box of the window goes through it, over the window unless the request names another
// of the program's windows. Work that a timer starts (the update check, a panel's query) while a
// box is open runs once it is answered and the window waits for no answer; an ending program runs
// none of it.
class ReentryGuard : public QObject, public MessageBoxes {
    Q_OBJECT
public:
    enum class Work { UpdateCheck, PanelQuery }; // the order they run in once the window is free

    // `busy()`: the window waits for an answer from the network.
    ReentryGuard(QWidget *window, MessageBoxes &boxes, std::function<bool()> busy);

    BoxButton show(const BoxRequest &request) override;
    // True when `work` cannot run now because a box is open; it runs once the box is answered.
    bool putOffWhileBoxOpen(Work work, std::function<void()> run);
    void runPutOffSoon(); // once a box is answered or the window's wait is over
    // The program ends at once: put-off work is dropped.
    void programEnding() { m_ending = true; }
    bool ending() const { return m_ending; }

private:
    void runPutOff();

    QWidget *m_window;
    MessageBoxes &m_boxes;
    std::function<bool()> m_busy;
    std::array<std::function<void()>, 2> m_putOff; // by Work
    int m_open = 0;                                // boxes open
    bool m_ending = false;
};
