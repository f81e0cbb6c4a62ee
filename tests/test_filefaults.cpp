// Saving the history or an export while the disk refuses the file, or while the saving process is
// killed: afterwards the earlier file is there whole, or the new one is, and nothing else changed.
// The saves run in quillon_test_filewriter, a process of their own that can be limited and killed.
#include "history/historystore.h"

#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

namespace {
const QString writer = QStringLiteral(QUILLON_FILEWRITER);
// Large enough that one rewrite takes tens of milliseconds, so kills land in every phase of it.
constexpr int historyEntries = 50000;
constexpr int exportRows = 10000;

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

QStringList writerArgs(const QString &kind, const QString &path, int count, const QString &tag)
{
    return {kind, path, QString::number(count), tag};
}

// The writer's exit code, or -1 when it did not end by itself.
int runWriter(const QStringList &args)
{
    QProcess process;
    process.start(writer, args);
    return process.waitForFinished(120000) && process.exitStatus() == QProcess::NormalExit
               ? process.exitCode()
               : -1;
}

// The writer prints "saving" once its data is built, right before it opens the file.
bool waitForSaving(QProcess &process)
{
    return process.waitForReadyRead(60000) && process.readAllStandardOutput().startsWith("saving");
}

// Every file and folder below `root` with its bytes: what a refused save must leave as it was.
QMap<QString, QByteArray> tree(const QString &root)
{
    QMap<QString, QByteArray> entries;
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        entries.insert(QDir(root).relativeFilePath(path), it.fileInfo().isDir() ? "<folder>" : readAll(path));
    }
    return entries;
}

// "3 lines: 2 A, 1 B", to tell a mixed or cut file from a whole one in a failure message.
QString describe(const QByteArray &bytes)
{
    const QStringList lines = HistoryStore::parse(bytes);
    return QStringLiteral("%1 bytes, %2 lines: %3 A, %4 B")
        .arg(bytes.size())
        .arg(lines.size())
        .arg(lines.filter(QStringLiteral("A")).size())
        .arg(lines.filter(QStringLiteral("B")).size());
}
} // namespace

class TestFileFaults : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString work(const QString &name = QString()) const { return m_dir.filePath("work/" + name); }

    // The bytes of a complete file, saved once by the writer; empty unless it has `count` lines
    // that all carry `tag` and none the other tag.
    QByteArray complete(const QString &kind, int count, const QString &tag) const
    {
        const QString path = m_dir.filePath(QStringLiteral("%1-%2-%3").arg(kind).arg(count).arg(tag));
        if (!QFile::exists(path) && runWriter(writerArgs(kind, path, count, tag)) != 0)
            return QByteArray();
        const QByteArray bytes = readAll(path);
        const QStringList lines = HistoryStore::parse(bytes);
        const QString other = tag == QLatin1String("A") ? QStringLiteral("B") : QStringLiteral("A");
        const bool whole = lines.size() == count && lines.filter(tag).size() == count;
        return whole && lines.filter(other).isEmpty() ? bytes : QByteArray();
    }

    static void place(const QString &path, const QByteArray &bytes)
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(bytes), bytes.size());
    }

private slots:
    void init() { QVERIFY(QDir(work()).removeRecursively() && QDir().mkpath(work())); }

    void writeCutShort_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("count");
        QTest::addColumn<qint64>("limit");
        QTest::addColumn<int>("exitCode");
        for (const auto &[kind, large] : {std::pair(QStringLiteral("history"), historyEntries),
                                          std::pair(QStringLiteral("export"), exportRows)}) {
            const qint64 size = complete(kind, large, "B").size();
            QVERIFY(size > 100000);
            const auto row = [&](const char *name) -> QTestData & {
                return QTest::addRow("%s: %s", qPrintable(kind), name);
            };
            // Small files stay in Qt's write buffer until the commit.
            row("small, nothing fits") << kind << 20 << qint64(0) << 1;
            row("small, cut after 100 bytes") << kind << 20 << qint64(100) << 1;
            row("large, cut at 64 KiB") << kind << large << qint64(65536) << 1;
            row("large, one byte short") << kind << large << size - 1 << 1;
            row("large, fits exactly") << kind << large << size << 0;
        }
    }
    void writeCutShort()
    {
        QFETCH(QString, kind);
        QFETCH(int, count);
        QFETCH(qint64, limit);
        QFETCH(int, exitCode);
        const QByteArray old = complete(kind, 50, "A");
        const QByteArray fresh = complete(kind, count, "B");
        QVERIFY(!old.isEmpty() && !fresh.isEmpty());
        place(work("target"), old);

        const QString limitArg = QStringLiteral("--limit=%1").arg(limit);
        QCOMPARE(runWriter(writerArgs(kind, work("target"), count, "B") << limitArg), exitCode);
        const QByteArray now = readAll(work("target"));
        QVERIFY2(now == (exitCode == 0 ? fresh : old), qPrintable(describe(now)));
        QCOMPARE(QDir(work()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList{"target"});
    }

    void folderInPlace_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QByteArray>("inside");
        for (const QString &kind : {QStringLiteral("history"), QStringLiteral("export")}) {
            QTest::addRow("%s: empty folder", qPrintable(kind)) << kind << QByteArray();
            QTest::addRow("%s: folder with a file", qPrintable(kind)) << kind << QByteArray("1|a\r\n");
        }
    }
    void folderInPlace()
    {
        QFETCH(QString, kind);
        QFETCH(QByteArray, inside);
        QVERIFY(QDir().mkpath(work("target")));
        if (!inside.isEmpty())
            place(work("target/wlnum.ini"), inside);
        place(work("neighbour.ini"), "9|b\r\n");
        const QMap<QString, QByteArray> before = tree(work());

        QCOMPARE(runWriter(writerArgs(kind, work("target"), 20, "B")), 1);
        QCOMPARE(tree(work()), before);
    }

    // Killed at random moments of its save, the writer leaves the old file or the new one, whole.
    void killDuringSave_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("count");
        QTest::newRow("history") << "history" << historyEntries;
        QTest::newRow("export") << "export" << exportRows;
    }
    void killDuringSave()
    {
        QFETCH(QString, kind);
        QFETCH(int, count);
        const QByteArray a = complete(kind, count, "A");
        const QByteArray b = complete(kind, count, "B");
        QVERIFY(!a.isEmpty() && !b.isEmpty());
        const QString target = work("target");
        place(target, a);

        // One rewrite's time, from "saving" to the exit.
        QProcess timed;
        timed.start(writer, writerArgs(kind, target, count, "B"));
        QVERIFY(waitForSaving(timed));
        QElapsedTimer clock;
        clock.start();
        QVERIFY(timed.waitForFinished(120000));
        const qint64 rewriteUs = clock.nsecsElapsed() / 1000;
        QCOMPARE(readAll(target), b);

        // --loop saves again and again, so the delays, up to two rewrites, reach into both the
        // replacement of the old file and a replacement of the new one by itself.
        const quint32 seed = 20240613;
        QRandomGenerator random(seed);
        QByteArray current = b;
        int endedOld = 0, endedNew = 0, leftBehind = 0, kills = 0;
        clock.start();
        // Bounded, so a slow machine ends early with fewer kills rather than timing out.
        for (; kills < 100 && clock.elapsed() < 60000; ++kills) {
            const QByteArray next = current == a ? b : a;
            QProcess process;
            process.start(writer, writerArgs(kind, target, count, next == a ? "A" : "B") << "--loop");
            QVERIFY(waitForSaving(process));
            QThread::usleep(random.bounded(quint32(2 * rewriteUs)));
            process.kill();
            QVERIFY(process.waitForFinished(30000));
            QCOMPARE(process.exitStatus(), QProcess::CrashExit);

            const QByteArray now = readAll(target);
            QVERIFY2(now == current || now == next,
                     qPrintable(QStringLiteral("kill %1: %2").arg(kills).arg(describe(now))));
            ++(now == current ? endedOld : endedNew);
            current = now;
            // Killed between naming its file and renaming it, QSaveFile leaves that file behind.
            for (const QString &name : QDir(work()).entryList(QDir::Files | QDir::Hidden)) {
                if (name != QLatin1String("target") && QFile::remove(work(name)))
                    ++leftBehind;
            }
        }
        qInfo("%s: seed %u, %d kills in %lld ms (one rewrite %lld us): %d ended old, %d new; "
              "%d temporary files left behind",
              qPrintable(kind), seed, kills, clock.elapsed(), rewriteUs, endedOld, endedNew, leftBehind);
    }
};

QTEST_GUILESS_MAIN(TestFileFaults)
#include "test_filefaults.moc"
