// Without the GB18030 encoder nothing is written: an empty file would stand for the export or
// replace the whole history. This program links an encoder that cannot be had in place of the
// program's own.
#include "common/gbtextencoder.h"
#include "history/historystore.h"
#include "tracking/resultexport.h"

#include <QStringListModel>
#include <QTemporaryDir>
#include <QTest>

QStringEncoder GbText::newEncoder()
{
    return QStringEncoder("no-such-encoding");
}

class TestNoEncoder : public QObject {
    Q_OBJECT
private slots:
    void nothingIsWritten()
    {
        const QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("wlnum.ini"));
        QCOMPARE(ResultExport::write(QStringListModel({QStringLiteral("1")}), path),
                 ResultExport::Outcome::Failed);
        QCOMPARE(HistoryStore(path).add(QStringLiteral("2"), QStringLiteral("b")),
                 HistoryStore::AddResult::SaveFailed);
        QVERIFY(!QFile::exists(path));
    }
};

QTEST_GUILESS_MAIN(TestNoEncoder)
#include "test_noencoder.moc"
