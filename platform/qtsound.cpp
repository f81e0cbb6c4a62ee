#include "platform/qtsound.h"

#include <QAudioOutput>
#include <QEvent>
#include <QFileInfo>
#include <QMediaPlayer>
#include <QTimer>
#include <QUrl>
#include <QWidget>
#include <utility>

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
        // Let the frame reach the screen before the player loads its backend.
        QTimer::singleShot(0, this, &QtSound::start);
    }
    return QObject::eventFilter(watched, event);
}

void QtSound::start()
{
    m_waiting = false;
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
    const QFileInfo file(path);
    if (!file.isFile() || !file.isReadable()) {
        if (m_player)
            m_player->stop();
        return;
    }
    if (!m_player) {
        m_player = new QMediaPlayer(this);
        m_output = new QAudioOutput(this);
        m_output->setVolume(0.5f);
        m_player->setAudioOutput(m_output);
    }
    m_player->stop();
    m_player->setSource(QUrl::fromLocalFile(file.absoluteFilePath()));
    m_player->play();
}
