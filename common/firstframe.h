#pragma once

#include <functional>

class QWidget;

// Runs `task` once `window` has painted its first frame, from the event loop after that paint,
// so that the frame reaches the screen first: work the first look does not need waits for it.
// Nothing runs if the window goes before it paints.
void afterFirstFrame(QWidget *window, std::function<void()> task);
