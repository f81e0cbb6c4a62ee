// quillon-sound FILE: the sound player, the one part of the program that links Qt Multimedia.
// QtSound starts it for each sound, so that Qt Multimedia, GStreamer and the sound server's
// client libraries never load into the program itself. It plays FILE once at half volume and
// ends when the sound has played or when it cannot be played; QtSound ends it sooner when
// another sound replaces it or the program ends.

#include <QAudioOutput>
#include <QCoreApplication>
#include <QMediaPlayer>
#include <QUrl>
#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 2) {
        std::fprintf(stderr, "usage: quillon-sound FILE\n");
        return 2;
    }

    QMediaPlayer player;
    QAudioOutput output;
    output.setVolume(0.5f);
    player.setAudioOutput(&output);
    QObject::connect(&player, &QMediaPlayer::mediaStatusChanged, &app, [](QMediaPlayer::MediaStatus status) {
        if (status == QMediaPlayer::EndOfMedia)
            QCoreApplication::exit(0);
        else if (status == QMediaPlayer::InvalidMedia)
            QCoreApplication::exit(1);
    });
    QObject::connect(&player, &QMediaPlayer::errorOccurred, &app,
                     [](QMediaPlayer::Error, const QString &why) {
                         std::fprintf(stderr, "quillon-sound: %s\n", qPrintable(why));
                         QCoreApplication::exit(1);
                     });

    player.setSource(QUrl::fromLocalFile(arguments.at(1)));
    player.play();
    return app.exec();
}
