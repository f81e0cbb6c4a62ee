#pragma once

#include "platform/sound.h"

#include <QObject>
#include <QPointer>

class QProcess;
class QWidget;

// Plays each sound in a player program of its own, quillon-sound (platform/soundplayer.cpp), so
// that Qt Multimedia and the sound back-end never load into this process. A new sound ends the
// player of the one before; a player still playing when the program ends goes with it. Sounds
// asked for before the main window has painted its first frame are held until then, and the last
// of them plays. Without the player program nothing plays.
class QtSound : public QObject, public Sound {
    Q_OBJECT
public:
    QtSound();
    ~QtSound() override;

    // Releases the held sounds once `window` has painted.
    void startAfterFirstFrame(QWidget *window);
    void start(); // at once, for a start without a window

    void play(const QString &path) override;

private:
    void playNow(const QString &path);
    void stopPlaying();

    QString m_program; // empty: no player program found
    QPointer<QProcess> m_playing;
    bool m_waiting = true;
    QString m_pending;
};
