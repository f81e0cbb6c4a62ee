#pragma once

#include <QList>
#include <functional>

class Clock;
class MessageBoxes;
class QWidget;

// What the monitoring panels need from the main window.
struct MonitorContext {
    MessageBoxes *boxes = nullptr;
    const Clock *clock = nullptr;
    QList<QWidget *> inputs;          // locked while a repeated query is armed
    std::function<QString()> company; // the text of `Combo1`
    std::function<QString()> number;  // the text of `Text1`
    std::function<void()> runQuery;   // the query button's handler, run as if pressed
    std::function<bool()> busy;       // a query is waiting for its answer
};
