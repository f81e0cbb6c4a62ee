// The smallest Qt Widgets program with a window of the main window's size: the start-up
// baseline that startup.sh compares the real program against.

#include <QApplication>
#include <QWidget>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("minimal"));
    window.setFixedSize(642, 522);
    window.show();
    return app.exec();
}
