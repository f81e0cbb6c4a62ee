#include "app/appfont.h"
#include "app/mainwindow.h"
#include "app/translations.h"
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
#include "platform/qttray.h"
#include "platform/qtwebfetch.h"
#include "platform/singleinstance.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDebug>
#include <QDir>
#include <QImageReader>
#include <QLocale>
#include <QScreen>
#include <QStandardPaths>
#include <QStyle>
#include <QThreadPool>
#include <cstdio>
#include <optional>

namespace {
// QLockFile takes over the lock of a holder that is gone, so this holder lives: deleting its lock
// would make two writers of wlnum.ini.
QString unansweredText(const SingleInstance::Holder &holder, const QString &folder)
{
    // A process id means nothing on another machine: a kill here could end another program.
    if (!holder.otherHost.isEmpty())
        return QCoreApplication::translate(
                   "main", "Quillon 已在另一台计算机 %1 上运行（进程号 %2，数据文件夹 %3），本次不再启动。\n"
                           "请在那台计算机上使用它；若它已无法使用，请在那台计算机上结束该进程后再启动。")
            .arg(holder.otherHost, QString::number(holder.pid), folder);
    if (holder.pid > 0)
        return QCoreApplication::translate(
                   "main", "Quillon 已在运行（进程号 %1，数据文件夹 %2），但没有回应，本次不再启动。\n"
                           "请切换到它的窗口；若它已无法使用，请结束该进程（例如 kill %1）后再启动。")
            .arg(QString::number(holder.pid), folder);
    return QCoreApplication::translate(
               "main",
               "Quillon 已在运行（数据文件夹 %1），但没有回应，本次不再启动。\n"
               "无法读出它的进程号。请切换到它的窗口；若它已无法使用，请在进程列表中找到并结束它后再启动。")
        .arg(folder);
}

// How this start goes on: hidden in the tray (--hidden), or ended at once with a status after
// printing --help's or --version's text.
struct Start {
    bool hidden = false;
    std::optional<int> endsWith;
};

// The language first, so that every text after it, the options' own, is in it; then the options a
// start may carry, anything else left alone as it always was. --help and --version print their
// text and end the program through main's return, which lets the application go before Qt's
// globals do.
Start readOptions(QApplication &app)
{
    bool unknownLanguage = false;
    loadTranslations(app, languageOf(languageOption(QCoreApplication::arguments()),
                                     QLocale::system().uiLanguages(), &unknownLanguage));
    reportClippedTexts(app);
    QCommandLineParser options;
    const QCommandLineOption hidden(
        QStringLiteral("hidden"),
        QCoreApplication::translate("main", "窗口不显示，只在托盘中运行（登录时启动所用）"));
    const QCommandLineOption lang(QStringLiteral("lang"),
                                  QCoreApplication::translate("main", "界面语言：zh（中文）或 en（英文）"),
                                  QStringLiteral("zh|en"));
    options.addOptions({hidden, lang});
    const QCommandLineOption help = options.addHelpOption();
    const QCommandLineOption version = options.addVersionOption();
    options.parse(QCoreApplication::arguments());
    if (options.isSet(help) || options.isSet(version)) {
        const QString text =
            options.isSet(help) ? options.helpText() : QStringLiteral("Quillon %1\n").arg(Version::text());
        std::fputs(text.toLocal8Bit().constData(), stdout);
        return {.hidden = false, .endsWith = 0};
    }
    if (unknownLanguage)
        qWarning().noquote() << QCoreApplication::translate("main", "未知的界面语言 %1，按系统语言选择")
                                    .arg(options.value(lang));
    return {.hidden = options.isSet(hidden), .endsWith = std::nullopt};
}

// Before anything reads wlnum.ini: a second run would rewrite it without the first's numbers. The
// exit status of a start that ends here, having asked the running one to show itself or found it
// deaf; none for the one that goes on.
std::optional<int> endsAsSecondStart(SingleInstance &instance, MessageBoxes &boxes, const QString &folder)
{
    switch (instance.claim()) {
    case SingleInstance::Claim::ShownOther:
        return 0;
    case SingleInstance::Claim::Unanswered: {
        const QString text = unansweredText(instance.holder(), QDir::toNativeSeparators(folder));
        qCWarning(instanceLog).noquote() << text;
        boxes.show({.title = Texts::boxTitle(), .text = text, .icon = BoxIcon::Exclamation});
        return 1;
    }
    case SingleInstance::Claim::First:
    case SingleInstance::Claim::Unguarded:
        break;
    }
    return std::nullopt;
}

QIcon programIcon()
{
    QIcon icon;
    for (const char *size : {"16", "32", "48", "64"})
        icon.addFile(QStringLiteral(":/icon-%1.png").arg(QLatin1String(size)));
    return icon;
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
    const Start start = readOptions(app);
    if (start.endsWith)
        return *start.endsWith;
    applyApplicationFont();

    QtMessageBoxes boxes;
    const ProgramFolders folders =
        ProgramFolders::decide(QCoreApplication::applicationDirPath(),
                               QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    SingleInstance instance(folders.dataFolder());
    if (const std::optional<int> status = endsAsSecondStart(instance, boxes, folders.dataFolder()))
        return *status;

    QtWebFetch fetch;
    QtSound sound;
    QtShell shell;
    QtFileDialogs files;
    QtClock clock;
    QtSkin skin;
    QtAppExit appExit;
    DBusNotifier notifier;
    QtTray tray(programIcon());
    const Platform platform{fetch, sound, boxes, shell, clock, skin, appExit, notifier, files, tray};

    MainWindow window(platform, Endpoints::fromBuild(), folders);
    QObject::connect(&instance, &SingleInstance::showAsked, &window, &MainWindow::showAgain);
    window.setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, window.size(),
                                           window.screen()->availableGeometry()));
    // --hidden where there is no tray shows the window all the same.
    if (start.hidden && window.startInTray()) {
        sound.start();
    } else {
        sound.startAfterFirstFrame(&window);
        window.show();
    }
    return app.exec();
}
