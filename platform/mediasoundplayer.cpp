// The sound module: SoundPlayer through QMediaPlayer at half volume. Built as quillon-sound.so,
// the one part of the program that links Qt Multimedia.

#include "platform/soundplayer.h"

#include <QAudioOutput>
#include <QMediaPlayer>
#include <QObject>
#include <QUrl>

class MediaSoundPlayer : public QObject, public SoundPlayer {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QuillonSoundPlayer_iid)
    Q_INTERFACES(SoundPlayer)
public:
    void play(const QString &absolutePath) override
    {
        if (!m_player) {
            m_player = new QMediaPlayer(this);
            m_output = new QAudioOutput(this);
            m_output->setVolume(0.5f);
            m_player->setAudioOutput(m_output);
        }
        m_player->stop();
        m_player->setSource(QUrl::fromLocalFile(absolutePath));
        m_player->play();
    }

    void stop() override
    {
        if (m_player)
            m_player->stop();
    }

private:
    QMediaPlayer *m_player = nullptr;
    QAudioOutput *m_output = nullptr;
};

#include "mediasoundplayer.moc"
