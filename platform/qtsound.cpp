#include "platform/qtsound.h"

#include "common/firstframe.h"
#include "quillon_build_config.h"

#include <QCoreApplication>
#include <QDebug>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QProcess>
#include <csignal>
#include <sys/prctl.h>
#include <utility>

namespace {

// Each player's start and end, for whoever asks: QT_LOGGING_RULES="quillon.sound.debug=true".
Q_LOGGING_CATEGORY(soundLog, "quillon.sound", QtInfoMsg)

// The player lies beside the program (the build tree, a portable copy) or, installed, in the
// program's folder under the architecture's libraries (../lib/x86_64-linux-gnu/quillon on Debian
// for amd64).
QString findPlayer()
{
    const QString programFolder = QCoreApplication::applicationDirPath();
    for (const QString &folder :
         {programFolder, programFolder + QStringLiteral("/" QUILLON_PLAYER_FROM_BIN)}) {
        const QFileInfo player(folder + QStringLiteral("/quillon-sound"));
        if (player.isFile() && player.isExecutable())
            return player.absoluteFilePath();
    }
    qWarning().noquote() << "No sound: the sound player quillon-sound is not installed.";
    return QString();
}

} // namespace

QtSound::QtSound() = default;

QtSound::~QtSound()
{
    stopPlaying();
}

void QtSound::startAfterFirstFrame(QWidget *window)
{
    afterFirstFrame(window, [self = QPointer<QtSound>(this)] {
        if (self)
            self->start();
    });
}

void QtSound::start()
{
    m_waiting = false;
    m_program = findPlayer();
    if (!m_pending.isEmpty())
        playNow(std::exchange(m_pending, QString()));
}

void QtSound::play(const QString &path)
{
    if (m_waiting) {
        m_pending = path;
        return;
    }
    playNow(path);
}

void QtSound::playNow(const QString &path)
{
    stopPlaying();
    const QFileInfo file(path);
    if (m_program.isEmpty() || !file.isFile() || !file.isReadable())
        return;
    auto *player = new QProcess(this);
    player->setProgram(m_program);
    player->setArguments({file.absoluteFilePath()});
    player->setStandardInputFile(QProcess::nullDevice());
    player->setStandardOutputFile(QProcess::nullDevice());
    player->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    // Ended with this process, however it ends, so that no sound outlives the program.
    player->setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGTERM); });
    const QString name = file.fileName();
    connect(player, &QProcess::started, player, [player, name] {
        qCDebug(soundLog).noquote() << "player of" << name << "started, pid" << player->processId();
    });
    // Deleted once ended and reaped, so that no player is left a zombie.
    connect(player, &QProcess::finished, player, [player, name](int status, QProcess::ExitStatus how) {
        if (how == QProcess::NormalExit)
            qCDebug(soundLog).noquote() << "player of" << name << "ended with status" << status;
        else
            qCDebug(soundLog).noquote() << "player of" << name << "ended by a signal";
        player->deleteLater();
    });
    connect(player, &QProcess::errorOccurred, player, [player](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart)
            return;
        qWarning().noquote() << "No sound: the sound player did not start." << player->errorString();
        player->deleteLater();
    });
    player->start();
    m_playing = player;
}

void QtSound::stopPlaying()
{
    if (m_playing && m_playing->state() != QProcess::NotRunning)
        m_playing->kill();
}
