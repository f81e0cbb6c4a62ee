// Where the delivered files are read and the user's files kept: beside the program when it can
// write there, else in the user's data folder; the delivered files from an installed layout.
#include "app/programfolders.h"
#include "windowharness.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>

namespace {
constexpr int shunfeng = 91;
const QStringList deliveredNames{QStringLiteral("ts.mp3"), QStringLiteral("orvo.mp3"),
                                 QStringLiteral("skinh.she")};

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

QStringList items(const QComboBox *box)
{
    QStringList list;
    for (int i = 0; i < box->count(); ++i)
        list << box->itemText(i);
    return list;
}

// Makes a folder refuse new files while it lives (root ignores a read-only mode bit).
class ImmutableFolder {
public:
    explicit ImmutableFolder(QString path) : m_path(std::move(path))
    {
        m_set = !m_path.isEmpty() &&
                QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("+i"), m_path}) == 0;
    }
    ~ImmutableFolder()
    {
        if (m_set)
            QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("-i"), m_path});
    }
    bool isSet() const { return m_set; }

private:
    QString m_path;
    bool m_set = false;
};

// A prefix as an installation lays it out: <root>/bin holds the program, <root>/share/quillon
// the delivered files, and <root>/home is the user's XDG_DATA_HOME.
struct Layout {
    Layout()
    {
        if (!root.isValid() || !QDir(root.path()).mkpath(QStringLiteral("bin")) ||
            !QDir(root.path()).mkpath(QStringLiteral("share/quillon")) ||
            !QDir(root.path()).mkpath(QStringLiteral("home")))
            qFatal("cannot lay out the prefix");
    }
    QString path(const QString &relative) const { return QDir(root.path()).filePath(relative); }
    void deliver(const QString &folder) const
    {
        for (const QString &name : deliveredNames)
            writeFile(QDir(path(folder)).filePath(name), name.toUtf8());
    }
    QTemporaryDir root;
};

const char *const noImmutable = "chattr +i failed: this file system or user cannot make a folder immutable";
} // namespace

class TestFolders : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QCoreApplication::setApplicationName(QStringLiteral("Quillon")); }
    void cleanup() { qunsetenv("XDG_DATA_HOME"); }

    void decide_data()
    {
        QTest::addColumn<bool>("beside");
        QTest::addColumn<bool>("installed");
        QTest::addColumn<bool>("immutable");
        QTest::addColumn<QString>("delivered");
        QTest::addColumn<QString>("data");
        QTest::newRow("portable copy") << true << false << false << "bin"
                                       << "bin";
        QTest::newRow("portable copy, folder closed") << true << false << true << "bin"
                                                      << "user";
        QTest::newRow("installed where the user may write") << false << true << false << "share/quillon"
                                                            << "bin";
        QTest::newRow("installed for the system") << false << true << true << "share/quillon"
                                                  << "user";
        QTest::newRow("both: the program's own first") << true << true << false << "bin"
                                                       << "bin";
        QTest::newRow("none anywhere") << false << false << false << "bin"
                                       << "bin";
    }
    void decide()
    {
        QFETCH(bool, beside);
        QFETCH(bool, installed);
        QFETCH(bool, immutable);
        QFETCH(QString, delivered);
        QFETCH(QString, data);
        Layout layout;
        if (beside)
            layout.deliver(QStringLiteral("bin"));
        if (installed)
            layout.deliver(QStringLiteral("share/quillon"));
        const QString bin = layout.path(QStringLiteral("bin"));
        const QStringList binBefore =
            QDir(bin).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
        const QString user = layout.path(QStringLiteral("home/Quillon"));

        ImmutableFolder guard(immutable ? bin : QString());
        if (immutable && !guard.isSet())
            QSKIP(noImmutable);
        QCOMPARE(ProgramFolders::acceptsNewFiles(bin), !immutable);
        const ProgramFolders folders = ProgramFolders::decide(bin, user);

        QCOMPARE(folders.deliveredFolder(), layout.path(delivered));
        QCOMPARE(folders.dataFolder(), data == QLatin1String("user") ? user : bin);
        QCOMPARE(folders.deliveredFile(QStringLiteral("ts.mp3")),
                 layout.path(delivered + QStringLiteral("/ts.mp3")));
        // Nothing is left behind by the probe, and nothing made elsewhere unless needed.
        QCOMPARE(QDir(bin).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), binBefore);
        QCOMPARE(QDir(user).exists(), data == QLatin1String("user"));
    }

    // With the program's folder closed, its wlnum.ini is the earlier history the data folder's takes over.
    void earlierHistory_data()
    {
        QTest::addColumn<bool>("immutable");
        QTest::newRow("folder closed") << true;
        QTest::newRow("writable folder") << false;
    }
    void earlierHistory()
    {
        QFETCH(bool, immutable);
        Layout layout;
        const QString bin = layout.path(QStringLiteral("bin"));
        ImmutableFolder guard(immutable ? bin : QString());
        if (immutable && !guard.isSet())
            QSKIP(noImmutable);
        const ProgramFolders folders = ProgramFolders::decide(bin, layout.path(QStringLiteral("home/Quillon")));
        QCOMPARE(folders.earlierHistoryFile(),
                 immutable ? QDir(bin).filePath(QStringLiteral("wlnum.ini")) : QString());
        QCOMPARE(folders.historyFile(), QDir(folders.dataFolder()).filePath(QStringLiteral("wlnum.ini")));
    }

    // The window of an installed copy: delivered files from share/quillon, the history carried
    // over from the program's folder, kept, exported and read again from the data folder.
    void window_data()
    {
        QTest::addColumn<bool>("immutable");
        QTest::newRow("program folder writable") << false;
        QTest::newRow("program folder closed") << true;
    }
    void window()
    {
        QFETCH(bool, immutable);
        Layout layout;
        layout.deliver(QStringLiteral("share/quillon"));
        const QString bin = layout.path(QStringLiteral("bin"));
        const QString home = layout.path(QStringLiteral("home"));
        const QByteArray old = HistoryStore::serialize({QStringLiteral("1234567890|中通快递")}).value();
        writeFile(QDir(bin).filePath(QStringLiteral("wlnum.ini")), old);
        qputenv("XDG_DATA_HOME", QFile::encodeName(home));
        const QString user = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
        QCOMPARE(user, QDir(home).filePath(QStringLiteral("Quillon")));

        ImmutableFolder guard(immutable ? bin : QString());
        if (immutable && !guard.isSet())
            QSKIP(noImmutable);
        const QString dataFolder = immutable ? user : bin;
        const ProgramFolders folders = ProgramFolders::decide(bin);
        QCOMPARE(folders.dataFolder(), dataFolder);
        {
            WindowHarness::Options options;
            options.folders = &folders;
            WindowHarness h(options);
            Form1 &w = h.startReady();
            const QString share = layout.path(QStringLiteral("share/quillon"));
            QCOMPARE(h.skin.attachedPath, QDir(share).filePath(QStringLiteral("skinh.she")));
            QCOMPARE(h.sound.played, QStringList{QDir(share).filePath(QStringLiteral("orvo.mp3"))});
            QCOMPARE(items(h.find<QComboBox>("Text1")), QStringList{QStringLiteral("1234567890|中通快递")});

            h.service().setTrackingAnswer(QStringLiteral("9"),
                                          QStringLiteral("<table><tr><td>T</td><td>P</td></tr></table>"));
            h.query(shunfeng, QStringLiteral("9"));
            QCOMPARE(w.currentRowCount(), 1);
            QCOMPARE(w.messageLine(), QStringLiteral("查询完毕..."));
            h.boxes.answers.enqueue(BoxButton::Ok);
            h.find<QPushButton>("Command3")->click();
            QCOMPARE(w.exportPath(), QDir(dataFolder).filePath(QStringLiteral("物流信息.txt")));
            QVERIFY(QFile::exists(w.exportPath()));
        }
        const QByteArray both = old + HistoryStore::serialize({QStringLiteral("9|顺丰快递")}).value();
        QCOMPARE(readFile(QDir(dataFolder).filePath(QStringLiteral("wlnum.ini"))), both);
        if (immutable) {
            QCOMPARE(readFile(QDir(bin).filePath(QStringLiteral("wlnum.ini"))), old);
            QVERIFY(!QFile::exists(QDir(bin).filePath(QStringLiteral("物流信息.txt"))));
        } else {
            QVERIFY(QDir(home).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
        }

        // The next start reads the data folder's own copy.
        const ProgramFolders again = ProgramFolders::decide(bin);
        WindowHarness::Options options;
        options.folders = &again;
        WindowHarness h(options);
        h.start();
        QCOMPARE(items(h.find<QComboBox>("Text1")), HistoryStore::parse(both));
    }
};

QTEST_MAIN(TestFolders)
#include "test_folders.moc"
