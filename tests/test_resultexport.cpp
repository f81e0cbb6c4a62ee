// The export file's bytes and the fixed-width number.
#include "tracking/resultexport.h"

#include <QAbstractTableModel>
#include <QDir>
#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

namespace {
// A list's rows as plain strings, three columns.
class Rows : public QAbstractTableModel {
public:
    explicit Rows(QList<QStringList> rows) : m_rows(std::move(rows)) {}
    int rowCount(const QModelIndex & = QModelIndex()) const override { return int(m_rows.size()); }
    int columnCount(const QModelIndex & = QModelIndex()) const override { return 3; }
    QVariant data(const QModelIndex &index, int role) const override
    {
        return role == Qt::DisplayRole ? QVariant(m_rows.at(index.row()).at(index.column())) : QVariant();
    }

private:
    QList<QStringList> m_rows;
};

QByteArray gbk(const QString &text)
{
    QStringEncoder encoder("GB18030");
    return encoder.encode(text);
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}
} // namespace

class TestResultExport : public QObject {
    Q_OBJECT
private slots:
    void fixedLength_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("width");
        QTest::addColumn<QString>("expected");
        QTest::newRow("chinese counts two") << "中通" << 8 << "中通    ";
        QTest::newRow("blanks trimmed") << "  12  " << 8 << "12      ";
        QTest::newRow("one digit") << "1" << 8 << "1       ";
        QTest::newRow("exactly eight") << "12345678" << 8 << "12345678";
        QTest::newRow("nine bytes, not cut") << "123456789" << 8 << "123456789";
        QTest::newRow("empty stays empty") << "" << 8 << "";
        QTest::newRow("blanks only") << "   " << 8 << "";
        QTest::newRow("no width") << " 7 " << 0 << "7";
        QTest::newRow("tab is not a blank") << "\t7" << 4 << "\t7  ";
        QTest::newRow("above U+FFFF counts four") << "😀" << 8 << "😀    ";
    }
    void fixedLength()
    {
        QFETCH(QString, text);
        QFETCH(int, width);
        QFETCH(QString, expected);
        QCOMPARE(ResultExport::SetStringFixedLength(text, width), expected);
    }

    void bytes_data()
    {
        QTest::addColumn<QList<QStringList>>("rows");
        QTest::addColumn<QByteArray>("expected");
        const QString time = QStringLiteral("2026-11-28 09:12:05");
        QTest::newRow("one digit: ten blanks before the time")
            << QList<QStringList>{{"1", time, "已签收"}}
            << QByteArray("1          ") + time.toLatin1() + "   " + gbk(QStringLiteral("已签收")) + "\r\n";
        QTest::newRow("eight digits")
            << QList<QStringList>{{"12345678", "T", "P"}} << QByteArray("12345678   T   P\r\n");
        QTest::newRow("nine bytes") << QList<QStringList>{{"123456789", "T", "P"}}
                                    << QByteArray("123456789   T   P\r\n");
        QTest::newRow("two rows, no header") << QList<QStringList>{{"1", "a", "b"}, {"2", "c", "d"}}
                                             << QByteArray("1          a   b\r\n2          c   d\r\n");
        const QString longCell(3000, QChar(0x4E2D));
        QTest::newRow("long cell whole") << QList<QStringList>{{"1", "T", longCell}}
                                         << QByteArray("1          T   ") + gbk(longCell) + "\r\n";
    }
    void bytes()
    {
        QFETCH(QList<QStringList>, rows);
        QFETCH(QByteArray, expected);
        const Rows model(rows);
        QCOMPARE(ResultExport::exportBytes(model).value(), expected);
    }

    void writesReplacesAndRefuses()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("物流信息.txt"));
        using O = ResultExport::Outcome;
        QCOMPARE(ResultExport::ExportListViewContent(Rows({}), path), O::Empty);
        QVERIFY(!QFile::exists(path));

        QCOMPARE(ResultExport::ExportListViewContent(Rows({{"1", "a", "b"}, {"2", "c", "d"}}), path),
                 O::Written);
        QCOMPARE(ResultExport::ExportListViewContent(Rows({{"1", "x", "y"}}), path), O::Written);
        QCOMPARE(readAll(path), QByteArray("1          x   y\r\n"));

        // An empty list leaves the earlier export alone.
        QCOMPARE(ResultExport::ExportListViewContent(Rows({}), path), O::Empty);
        QCOMPARE(readAll(path), QByteArray("1          x   y\r\n"));

        const QString blocked = dir.filePath(QStringLiteral("blocked.txt"));
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("blocked.txt")));
        QCOMPARE(ResultExport::ExportListViewContent(Rows({{"1", "a", "b"}}), blocked), O::Failed);
        QCOMPARE(ResultExport::ExportListViewContent(Rows({{"1", "a", "b"}}), dir.filePath("none/x.txt")),
                 O::Failed);
        // Without its encoder nothing is written, and the earlier export stays.
        QCOMPARE(ResultExport::ExportListViewContent(Rows({{"1", "a", "b"}}), path, "no-such-encoding"),
                 O::Failed);
        QCOMPARE(readAll(path), QByteArray("1          x   y\r\n"));
    }
};

QTEST_GUILESS_MAIN(TestResultExport)
#include "test_resultexport.moc"
