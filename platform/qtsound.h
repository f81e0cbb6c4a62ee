#pragma once

#include "platform/sound.h"

#include <QObject>
#include <QPointer>

class QWidget;
class SoundPlayer;

// Plays through the sound module (see soundplayer.h), which QMediaPlayer backs. The module and
// the player are heavy to load, so every sound is held until the main window has painted its
// first frame; the module is loaded then, and the last sound asked for plays. Without the module
// nothing plays.
class QtSound : public QObject, public Sound {
    Q_OBJECT
public:
    QtSound();
    ~QtSound() override;

    // Releases the held sounds once `window` has painted.
    void startAfterFirstFrame(QWidget *window);
    void play(const QString &path) override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void start();
    void playNow(const QString &path);

    SoundPlayer *m_player = nullptr;
    QPointer<QWidget> m_window;
    bool m_waiting = true;
    QString m_pending;
};
