#include "platform/qtappexit.h"

#include <QApplication>
#include <QWidget>

void QtAppExit::exitNow(int code)
{
    // Hide rather than close: no window gets to ask its closing question.
    const auto windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows)
        window->hide();
    QCoreApplication::exit(code);
}
