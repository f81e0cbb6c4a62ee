#pragma once

#include "platform/sound.h"

#include <QObject>
#include <QPointer>

class QAudioOutput;
class QMediaPlayer;
class QWidget;

// Plays through QMediaPlayer at half volume. The player is heavy to start, so it is made only
// after the main window's first frame; a sound asked for before that waits until then.
class QtSound : public QObject, public Sound {
    Q_OBJECT
public:
    QtSound();
    ~QtSound() override;

    // Holds every sound until `window` has painted once.
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
    bool m_waiting = false;
    QString m_pending;
};
