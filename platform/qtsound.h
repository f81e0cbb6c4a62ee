#pragma once

#include "platform/sound.h"

#include <QObject>
#include <QPointer>

class QAudioOutput;
class QMediaPlayer;
class QWidget;

// Plays through QMediaPlayer at half volume. The player is heavy to start, so every sound is
// held until the main window has painted its first frame; the last one asked for then plays.
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

    QMediaPlayer *m_player = nullptr;
    QAudioOutput *m_output = nullptr;
    QPointer<QWidget> m_window;
    bool m_waiting = true;
    QString m_pending;
};
