#include "history/historystore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QByteArray shunfengGbk = QByteArray::fromHex("cbb3b7e1bfecb5dd"); // 顺丰快递

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void writeAll(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

} // namespace

class TestHistoryStore : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString path() const { return m_dir.filePath("wlnum.ini"); }

private slots:
    void init() { QFile::remove(path()); }

    void fileBytes_data()
    {
        QTest::addColumn<QStringList>("numbers");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("empty history") << QStringList() << QByteArray();
        QTest::newRow("one entry") << QStringList{"1234567890"} << "1234567890|" + shunfengGbk + "\r\n";
        QTest::newRow("two entries") << QStringList{"1", "2"}
                                     << "1|" + shunfengGbk + "\r\n2|" + shunfengGbk + "\r\n";
    }
    void fileBytes()
    {
        QFETCH(QStringList, numbers);
        QFETCH(QByteArray, bytes);
        HistoryStore store(path());
        QVERIFY(store.save());
        for (const QString &number : numbers)
            QCOMPARE(store.add(number, "顺丰快递"), HistoryStore::AddResult::Added);
        QCOMPARE(readAll(path()).toHex(' '), bytes.toHex(' '));
        QCOMPARE(HistoryStore::serialize(store.entries()).value(), bytes);
    }

    void load_data()
    {
        QTest::addColumn<QByteArray>("bytes"); // null: no file at all
        QTest::addColumn<QStringList>("entries");
        QTest::newRow("missing file") << QByteArray() << QStringList();
        QTest::newRow("empty file") << QByteArray("") << QStringList();
        QTest::newRow("CR LF") << "1|" + shunfengGbk + "\r\n2|x\r\n" << QStringList{"1|顺丰快递", "2|x"};
        QTest::newRow("LF only") << QByteArray("1|a\n2|b\n") << QStringList{"1|a", "2|b"};
        QTest::newRow("lone CR") << QByteArray("1|a\r2|b\r") << QStringList{"1|a", "2|b"};
        QTest::newRow("last line open") << QByteArray("1|a\r\n2|b") << QStringList{"1|a", "2|b"};
        QTest::newRow("empty line inside")
            << QByteArray("1|a\r\n\r\n2|b\r\n") << QStringList{"1|a", "", "2|b"};
        QTest::newRow("not GBK") << QByteArray("\x81\x20|a\r\n\xff|b\r\n")
                                 << QStringList{"\uFFFD |a", "\uFFFD|b"};
    }
    void load()
    {
        QFETCH(QByteArray, bytes);
        if (!bytes.isNull())
            writeAll(path(), bytes);
        HistoryStore store(path());
        QTEST(store.load(), "entries");
        QTEST(store.entries(), "entries");
    }

    void aboveBmpRoundTrips()
    {
        HistoryStore store(path());
        QCOMPARE(store.add("9😀", "顺丰快递"), HistoryStore::AddResult::Added);
        const QByteArray bytes = readAll(path());
        QCOMPARE(bytes, "9" + QByteArray::fromHex("9439fc36") + "|" + shunfengGbk + "\r\n");
        HistoryStore again(path());
        QCOMPARE(again.load(), QStringList{"9😀|顺丰快递"});
        QVERIFY(again.save());
        QCOMPARE(readAll(path()), bytes);
    }

    void add_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<HistoryStore::AddResult>("result");
        QTest::addColumn<QStringList>("after");
        using R = HistoryStore::AddResult;
        const QStringList old{"3124|顺丰快递", "88|申通快递", "5|EMS快递"};
        QTest::newRow("new goes last") << "77" << R::Added << old + QStringList{"77|中通快递"};
        QTest::newRow("part of a number") << "12" << R::Added << old + QStringList{"12|中通快递"};
        QTest::newRow("CR LF dropped") << "4\r\n0\r" << R::Added << old + QStringList{"40|中通快递"};
        QTest::newRow("same number, other company") << "88" << R::Duplicate << old;
        QTest::newRow("same after CR LF dropped") << "8\r\n8" << R::Duplicate << old;
        QTest::newRow("only line breaks") << "\r\n" << R::Empty << old;
    }
    void add()
    {
        QFETCH(QString, typed);
        QFETCH(QStringList, after);
        writeAll(path(), "3124|" + shunfengGbk + "\r\n88|" + QByteArray::fromHex("c9eacda8bfecb5dd") +
                             "\r\n5|EMS" + QByteArray::fromHex("bfecb5dd") + "\r\n");
        const QByteArray before = readAll(path());
        HistoryStore store(path());
        store.load();
        QTEST(store.add(typed, "中通快递"), "result");
        QCOMPARE(store.entries(), after);
        if (after.size() == 3)
            QCOMPARE(readAll(path()), before);
        QCOMPARE(HistoryStore(path()).load(), after);
    }

    void removeNumber()
    {
        HistoryStore store(path());
        store.add("12", "a");
        store.add("123", "b");
        store.add("x", "c");
        QCOMPARE(store.removeNumber("12"), 1);
        QCOMPARE(store.entries(), (QStringList{"123|b", "x|c"}));
        QCOMPARE(store.removeNumber("1"), 0);
    }

    // An entry's number ends at the last bar that a company of the catalogue follows.
    void entryNumber_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("number");
        QTest::newRow("bar in the number") << "12|34|顺丰快递" << "12|34";
        QTest::newRow("bar in the company") << "777|共速达物流|快递" << "777";
        QTest::newRow("unknown company") << "888|不存在的公司" << "888";
        QTest::newRow("company name in the number") << "12|顺丰快递|申通快递" << "12|顺丰快递";
        QTest::newRow("no known company after any bar") << "5|中通|快递" << "5";
        QTest::newRow("no bar") << "abc" << "abc";
        QTest::newRow("bar first") << "|a" << "";
    }
    void entryNumber()
    {
        QFETCH(QString, entry);
        QFETCH(QString, number);
        QCOMPARE(HistoryStore::entryNumber(entry), number);
        writeAll(path(), HistoryStore::serialize({entry}).value());
        HistoryStore store(path());
        store.load();
        QCOMPARE(store.add(number, "x"),
                 number.isEmpty() ? HistoryStore::AddResult::Empty : HistoryStore::AddResult::Duplicate);
    }

    void removeNothingForEmptyNumber()
    {
        writeAll(path(), "|a\r\n\r\n7|b\r\n");
        HistoryStore store(path());
        store.load();
        QCOMPARE(store.removeNumber(HistoryStore::recordedNumber("\r\n")), 0);
        QCOMPARE(store.entries(), (QStringList{"|a", "", "7|b"}));
    }

    // An installed copy carries the history over from beside the program until its data folder
    // has one; clearing must leave one there, or the old history comes back at the next start.
    void clearStopsCarryOver_data()
    {
        QTest::addColumn<bool>("earlier");
        QTest::addColumn<bool>("blocked");
        QTest::addColumn<bool>("saved");
        QTest::addColumn<QByteArray>("left"); // the data folder's file after the clear
        QTest::newRow("carried over") << true << false << true << QByteArray("");
        QTest::newRow("nothing to carry") << false << false << true << QByteArray("<unreadable>");
        QTest::newRow("data file cannot be written") << true << true << false << QByteArray("<unreadable>");
    }
    void clearStopsCarryOver()
    {
        QFETCH(bool, earlier);
        QFETCH(bool, blocked);
        const QString program = m_dir.filePath("program/wlnum.ini");
        const QString data = m_dir.filePath(blocked ? "blocked/wlnum.ini" : "data/wlnum.ini");
        QVERIFY(QDir().mkpath(m_dir.filePath("program")) && QDir().mkpath(m_dir.filePath("data")));
        QVERIFY(QDir().mkpath(m_dir.filePath("blocked/wlnum.ini")));
        QFile::remove(m_dir.filePath("data/wlnum.ini"));
        QFile::remove(program);
        if (earlier)
            writeAll(program, "1|a\r\n");
        HistoryStore store(data, program);
        QCOMPARE(store.load(), earlier && !blocked ? QStringList{"1|a"} : QStringList());
        QTEST(store.clear(), "saved");
        QVERIFY(store.entries().isEmpty());
        QTEST(readAll(data), "left");
        QCOMPARE(HistoryStore(data, program).load(), QStringList());
    }

    // Without its encoder nothing is written: an empty file would replace the whole history.
    void noEncoderWritesNothing()
    {
        writeAll(path(), "1|a\r\n");
        HistoryStore store(path(), QString(), "no-such-encoding");
        store.load();
        QCOMPARE(store.add("2", "b"), HistoryStore::AddResult::SaveFailed);
        QVERIFY(!store.save());
        QCOMPARE(readAll(path()), QByteArray("1|a\r\n"));
    }

    void saveFailureKeepsEntry_data()
    {
        QTest::addColumn<QString>("where");
        QTest::newRow("directory at the path") << "blocked/wlnum.ini";
        QTest::newRow("folder missing") << "absent/wlnum.ini";
    }
    void saveFailureKeepsEntry()
    {
        QFETCH(QString, where);
        const QString folder = m_dir.filePath("blocked");
        QVERIFY(QDir().mkpath(folder + "/wlnum.ini"));
        writeAll(folder + "/other.ini", "1|a\r\n");
        HistoryStore store(m_dir.filePath(where));
        QCOMPARE(store.add("99", "b"), HistoryStore::AddResult::SaveFailed);
        QCOMPARE(store.entries(), QStringList{"99|b"});
        QVERIFY(QFileInfo(folder + "/wlnum.ini").isDir());
        QCOMPARE(readAll(folder + "/other.ini"), QByteArray("1|a\r\n"));
        QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList{"other.ini"});
    }
};

QTEST_GUILESS_MAIN(TestHistoryStore)
#include "test_historystore.moc"
