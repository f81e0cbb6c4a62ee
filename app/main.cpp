#include "app/appfont.h"
#include "app/mainwindow.h"
#include "app/translations.h"
#include "common/bringtofront.h"
#include "common/texts.h"
#include "common/version.h"
#include "platform/dbusnotifier.h"
#include "platform/endpoints.h"
#include "platform/programfolders.h"
#include "platform/qtappexit.h"
#include "platform/qtclock.h"
#include "platform/qtfiledialogs.h"
#include "platform/qtmessageboxes.h"
#include "platform/qtshell.h"
#include "platform/qtskin.h"
#include "platform/qtsound.h"
#include "platform/qtwebfetch.h"
#include "platform/singleinstance.h"

#include <QApplication>
#include <QDir>
#include <QImageReader>
#include <QScreen>
#include <QStandardPaths>
#include <QStyle>
#include <QThreadPool>

namespace {
// QLockFile takes over the lock of a holder that is gone, so this holder lives: deleting its lock
// would make two writers of wlnum.ini.
QString unansweredText(const SingleInstance::Holder &holder, const QString &folder)
{
    // A process id means nothing on another machine: a kill here could end another program.
    if (!holder.otherHost.isEmpty())
        return QStringLiteral(
                   "Quillon 已在另一台计算机 %1 上运行（进程号 %2，数据文件夹 %3），本次不再启动。\n"
                   "请在那台计算机上使用它；若它已无法使用，请在那台计算机上结束该进程后再启动。")
            .arg(holder.otherHost, QString::number(holder.pid), folder);
    if (holder.pid > 0)
        return QStringLiteral("Quillon 已在运行（进程号 %1，数据文件夹 %2），但没有回应，本次不再启动。\n"
                              "请切换到它的窗口；若它已无法使用，请结束该进程（例如 kill %1）后再启动。")
            .arg(QString::number(holder.pid), folder);
    return QStringLiteral(
               "Quillon 已在运行（数据文件夹 %1），但没有回应，本次不再启动。\n"
               "无法读出它的进程号。请切换到它的窗口；若它已无法使用，请在进程列表中找到并结束它后再启动。")
        .arg(folder);
}
} // namespace

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

    QtMessageBoxes boxes;
    const ProgramFolders folders =
        ProgramFolders::decide(QCoreApplication::applicationDirPath(),
                               QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    // Before anything reads wlnum.ini: a second run would rewrite it without the first's numbers.
    SingleInstance instance(folders.dataFolder());
    switch (instance.claim()) {
    case SingleInstance::Claim::ShownOther:
        return 0;
    case SingleInstance::Claim::Unanswered: {
        const QString text =
            unansweredText(instance.holder(), QDir::toNativeSeparators(folders.dataFolder()));
        qCWarning(instanceLog).noquote() << text;
        boxes.show({.title = Texts::boxTitle(), .text = text, .icon = BoxIcon::Exclamation});
        return 1;
    }
    case SingleInstance::Claim::First:
    case SingleInstance::Claim::Unguarded:
        break;
    }

    QtWebFetch fetch;
    QtSound sound;
    QtShell shell;
    QtFileDialogs files;
    QtClock clock;
    QtSkin skin;
    QtAppExit appExit;
    DBusNotifier notifier;
    const Platform platform{fetch, sound, boxes, shell, clock, skin, appExit, notifier, files};

    MainWindow window(platform, Endpoints::fromBuild(), folders);
    QObject::connect(&instance, &SingleInstance::showAsked, &window, [&window] { bringToFront(&window); });
    sound.startAfterFirstFrame(&window);
    window.setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, window.size(),
                                           window.screen()->availableGeometry()));
    window.show();
    return app.exec();
}
