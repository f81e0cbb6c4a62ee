// Killed at random moments while it replaces a file, the program leaves the old file or the new
// one, whole. The writer is this program itself, started with --write.
#include "common/savefile.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

namespace {
QByteArray content(char tag) // two megabytes, so that a save is long enough to be killed in
{
    return QByteArray(2 * 1024 * 1024, tag) + "\r\n";
}
} // namespace

class TestKillLoop : public QObject {
    Q_OBJECT
private slots:
    void killDuringSave()
    {
        QTemporaryDir dir;
        QFile target(dir.filePath(QStringLiteral("wlnum.ini")));
        QVERIFY(saveWholeFile(target.fileName(), content('A')));
        QRandomGenerator random(20240613);
        for (int kill = 0; kill < 100; ++kill) {
            QProcess writer;
            writer.start(QCoreApplication::applicationFilePath(),
                         {QStringLiteral("--write"), target.fileName(), QString(kill % 2 ? 'A' : 'B')});
            QVERIFY(writer.waitForReadyRead(10000)); // "saving"
            QThread::usleep(random.bounded(20000u));
            writer.kill();
            QVERIFY(writer.waitForFinished(10000) && target.open(QIODevice::ReadOnly));
            const QByteArray now = target.readAll();
            target.close();
            QVERIFY2(now == content('A') || now == content('B'),
                     qPrintable(QStringLiteral("kill %1").arg(kill)));
            for (const QString &name :
                 QDir(dir.path()).entryList(QDir::Files | QDir::Hidden)) // a killed save's own file
                if (name != QLatin1String("wlnum.ini"))
                    QFile::remove(dir.filePath(name));
        }
    }
};

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc == 4 && qstrcmp(argv[1], "--write") == 0) {
        const QByteArray bytes = content(argv[3][0]);
        std::puts("saving");
        std::fflush(stdout);
        for (;;)
            saveWholeFile(QString::fromLocal8Bit(argv[2]), bytes);
    }
    TestKillLoop test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_killloop.moc"
