#pragma once

class QWidget;

// The window un-minimized, shown, raised and active.
void bringToFront(QWidget *window);
