// The smallest Qt Widgets program with a window of the main window's size: the start-up
// baseline that startup.sh compares the real program against. It shows one label in the
// program's CJK font, as any Chinese Qt program does: finding and loading that font is paid by
// both programs alike, not counted against Quillon.

#include "app/appfont.h"

#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    applyApplicationFont();
    QWidget window;
    window.setWindowTitle(QStringLiteral("minimal"));
    window.setFixedSize(642, 522);
    QLabel label(QStringLiteral("快件状态"), &window);
    label.move(16, 16);
    window.show();
    return app.exec();
}
