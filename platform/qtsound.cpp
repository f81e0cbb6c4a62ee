#include "platform/qtsound.h"

#include "platform/soundplayer.h"
#include "quillon_build_config.h"

#include <QCoreApplication>
#include <QDebug>
#include <QEvent>
#include <QFileInfo>
#include <QPluginLoader>
#include <QTimer>
#include <QWidget>
#include <utility>

namespace {

// The module lies beside the program (the build tree, a portable copy) or, installed, in the
// folder of the architecture's libraries (../lib/x86_64-linux-gnu/quillon on Debian for amd64).
SoundPlayer *loadSoundModule()
{
    const QString programFolder = QCoreApplication::applicationDirPath();
    const QString moduleName = QStringLiteral("quillon-sound.so");
    QString why;
    for (const QString &folder :
         {programFolder, programFolder + QStringLiteral("/" QUILLON_MODULE_FROM_BIN)}) {
        const QString path = folder + u'/' + moduleName;
        if (!QFileInfo::exists(path))
            continue;
        QPluginLoader loader(path);
        if (auto *player = qobject_cast<SoundPlayer *>(loader.instance()))
            return player;
        why = loader.errorString();
    }
    qWarning().noquote() << "No sound: the sound module could not be loaded."
                         << (why.isEmpty() ? QStringLiteral("It is not installed.") : why);
    return nullptr;
}

} // namespace

QtSound::QtSound() = default;

QtSound::~QtSound()
{
    if (m_window)
        m_window->removeEventFilter(this);
}

void QtSound::startAfterFirstFrame(QWidget *window)
{
    m_window = window;
    window->installEventFilter(this);
}

bool QtSound::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_window && event->type() == QEvent::Paint) {
        m_window->removeEventFilter(this);
        // Let the frame reach the screen before the module and the player's backend load.
        QTimer::singleShot(0, this, &QtSound::start);
    }
    return QObject::eventFilter(watched, event);
}

void QtSound::start()
{
    m_waiting = false;
    m_player = loadSoundModule();
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
    if (!m_player)
        return;
    const QFileInfo file(path);
    if (!file.isFile() || !file.isReadable()) {
        m_player->stop();
        return;
    }
    m_player->play(file.absoluteFilePath());
}
