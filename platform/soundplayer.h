#pragma once

#include <QtPlugin>

class QString;

// What the sound module (quillon-sound.so, loaded by QtSound once the main window is on screen)
// offers: a player of one file at a time. The program itself never links Qt Multimedia, so
// neither it nor the dozen libraries it brings weigh on the start.
class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    // Plays the readable file at `absolutePath`, stopping what played before.
    virtual void play(const QString &absolutePath) = 0;
    virtual void stop() = 0;
};

#define QuillonSoundPlayer_iid "org.example.Quillon.SoundPlayer/1"
Q_DECLARE_INTERFACE(SoundPlayer, QuillonSoundPlayer_iid)
