#include "platform/programfolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>

namespace {
const QString historyName = QStringLiteral("wlnum.ini");
// The delivered files' folder of an installed copy, seen from its executable.
const QString installedDelivered = QStringLiteral("../share/quillon");

bool holdsDeliveredFiles(const QDir &folder)
{
    for (const char *name : {"ts.mp3", "orvo.mp3", "skinh.she"}) {
        if (folder.exists(QLatin1String(name)))
            return true;
    }
    return false;
}

// Whether a new file can be made in `folder`, tried by making and removing one.
bool acceptsNewFiles(const QString &folder)
{
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral(".quillon-probe-XXXXXX")));
    // Asking for the name makes Qt link an unnamed file into the folder, so a named file is
    // really made there, as a save makes one. It goes again with `probe`.
    return probe.open() && !probe.fileName().isEmpty();
}
} // namespace

ProgramFolders::ProgramFolders(const QString &folder)
    : m_delivered(folder), m_data(folder),
      m_autostartFolder(QDir(folder).filePath(QStringLiteral("autostart"))),
      m_program(QDir(folder).filePath(QStringLiteral("quillon")))
{
}

ProgramFolders::ProgramFolders(QString deliveredFolder, QString dataFolder, QString earlierHistory)
    : m_delivered(std::move(deliveredFolder)), m_data(std::move(dataFolder)),
      m_earlierHistory(std::move(earlierHistory))
{
}

ProgramFolders ProgramFolders::decide(const QString &programFolder, const QString &userDataFolder)
{
    const QDir program(programFolder);
    const QDir share(program.filePath(installedDelivered));
    const bool installed = !holdsDeliveredFiles(program) && holdsDeliveredFiles(share);
    const QString delivered = installed ? share.absolutePath() : programFolder;
    const bool beside = !installed && acceptsNewFiles(programFolder);
    if (!beside) // a failure here shows later as a history that cannot be saved, never silently
        QDir().mkpath(userDataFolder);
    ProgramFolders folders = beside
                                 ? ProgramFolders(delivered, programFolder)
                                 : ProgramFolders(delivered, userDataFolder, program.filePath(historyName));
    folders.m_installed = installed;
    folders.m_autostartFolder = Autostart::userFolder();
    folders.m_program = program.filePath(QFileInfo(QCoreApplication::applicationFilePath()).fileName());
    return folders;
}

QString ProgramFolders::deliveredFile(const QString &fileName) const
{
    return QDir(m_delivered).filePath(fileName);
}

QString ProgramFolders::dataFile(const QString &fileName) const
{
    return QDir(m_data).filePath(fileName);
}

QString ProgramFolders::historyFile() const
{
    return dataFile(historyName);
}
