#include "app/appfont.h"
#include "app/mainwindow.h"
#include "app/translations.h"
#include "common/version.h"
#include "platform/dbusnotifier.h"
#include "platform/endpoints.h"
#include "platform/programfolders.h"
#include "platform/qtappexit.h"
#include "platform/qtclock.h"
#include "platform/qtmessageboxes.h"
#include "platform/qtshell.h"
#include "platform/qtskin.h"
#include "platform/qtsound.h"
#include "platform/qtwebfetch.h"

#include <QApplication>
#include <QImageReader>
#include <QScreen>
#include <QStandardPaths>
#include <QStyle>
#include <QThreadPool>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // The first image read looks through Qt's image-format plugins. The group boxes' frame is an
    // image, so a worker looks through them while the window is built, not during its first frame.
    QThreadPool::globalInstance()->start([] { QImageReader::supportedImageFormats(); });
    QApplication::setApplicationName(QStringLiteral("Quillon"));
    QApplication::setApplicationVersion(Version::text());
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.Quillon"));
    loadQtChinese(app);
    applyApplicationFont();

    QtWebFetch fetch;
    QtSound sound;
    QtMessageBoxes boxes;
    QtShell shell;
    QtClock clock;
    QtSkin skin;
    QtAppExit appExit;
    DBusNotifier notifier;
    const Platform platform{fetch, sound, boxes, shell, clock, skin, appExit, notifier};

    MainWindow window(
        platform, Endpoints::fromBuild(),
        ProgramFolders::decide(QCoreApplication::applicationDirPath(),
                               QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)));
    sound.startAfterFirstFrame(&window);
    window.setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, window.size(),
                                           window.screen()->availableGeometry()));
    window.show();
    return app.exec();
}
