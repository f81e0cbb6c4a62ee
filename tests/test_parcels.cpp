// The parcels' core below the windows, in rows with typed columns: the list's settings as the
// record keeps them.
#include "parcels/listsettings.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestParcels : public QObject {
    Q_OBJECT

    static QString shown(const ListSettings &settings)
    {
        const auto numbers = [](const QList<int> &list) {
            QStringList parts;
            for (int number : list)
                parts << QString::number(number);
            return parts.isEmpty() ? u"-"_s : parts.join(u',');
        };
        const QSize size = settings.earlier.size;
        return u"archive %1, automatic %2, shown %3, last %4, size %5, widths %6, sort %7"_s
            .arg(settings.archiveDays)
            .arg(settings.automaticMinutes)
            .arg(settings.showArchived ? u"yes"_s : u"no"_s)
            .arg(settings.lastRefresh.isValid() ? settings.lastRefresh.toUTC().toString(Qt::ISODate) : u"-"_s)
            .arg(size.isValid() ? u"%1x%2"_s.arg(size.width()).arg(size.height()) : u"-"_s)
            .arg(numbers(settings.earlier.columnWidths), numbers(settings.earlier.sort));
    }

private slots:
    void settingsRead_data()
    {
        QTest::addColumn<QVariantHash>("stored");
        QTest::addColumn<QString>("expected");
        const QString defaults = u"archive 3, automatic 0, shown no, last -, size -, widths -, sort -"_s;
        QTest::newRow("nothing kept: the defaults") << QVariantHash{} << defaults;
        QTest::newRow("values out of their choices read as the defaults")
            << QVariantHash{{u"archiveDays"_s, 5}, {u"automaticRefreshMinutes"_s, 45}} << defaults;
        QTest::newRow("choices kept, never archived")
            << QVariantHash{{u"archiveDays"_s, -1},
                            {u"automaticRefreshMinutes"_s, 240},
                            {u"overviewShowArchived"_s, true}}
            << u"archive -1, automatic 240, shown yes, last -, size -, widths -, sort -"_s;
        QTest::newRow("the last refresh, in UTC")
            << QVariantHash{{u"lastRefresh"_s, u"2026-12-06T06:00:00Z"_s}}
            << u"archive 3, automatic 0, shown no, last 2026-12-06T06:00:00Z, size -, widths -, sort -"_s;
        QTest::newRow(
            "an earlier version's size, widths and sort, while the states replacing them are not kept")
            << QVariantHash{{u"overviewSize"_s, u"800,600"_s},
                            {u"overviewColumns"_s, u"120,80,90"_s},
                            {u"overviewSort"_s, u"2,1"_s}}
            << u"archive 3, automatic 0, shown no, last -, size 800x600, widths 120,80,90, sort 2,1"_s;
        QTest::newRow("the kept states replace an earlier version's")
            << QVariantHash{{u"overviewSize"_s, u"800,600"_s},
                            {u"overviewGeometry"_s, QByteArray("g")},
                            {u"overviewColumns"_s, u"120,80,90"_s},
                            {u"overviewHeader"_s, QByteArray("h")},
                            {u"overviewSort"_s, u"2,1"_s}}
            << defaults;
        QTest::newRow("a sort that is not a column and an order is none")
            << QVariantHash{{u"overviewSort"_s, u"2"_s}} << defaults;
    }

    void settingsRead()
    {
        QFETCH(QVariantHash, stored);
        QFETCH(QString, expected);
        QCOMPARE(shown(ListSettings::read(QHash<QString, QVariant>(stored.begin(), stored.end()))), expected);
    }

    // Only what changed is written, under its own name and in the form it is read back from.
    void settingsWritten()
    {
        const ListSettings before =
            ListSettings::read({{u"archiveDays"_s, 7}, {u"overviewHeader"_s, QByteArray("h")}});
        ListSettings after = before;
        after.archiveDays = 0;
        after.lastRefresh = QDateTime(QDate(2026, 12, 6), QTime(14, 0), Qt::UTC);
        after.split = QByteArray("s");
        QHash<QString, QVariant> written;
        QStringList names;
        for (const auto &[name, value] : before.changes(after)) {
            written.insert(name, value);
            names << name;
        }
        QCOMPARE(names.join(u','), u"archiveDays,lastRefresh,overviewSplit"_s);
        written.insert(u"overviewHeader"_s, QByteArray("h"));
        QCOMPARE(shown(ListSettings::read(written)), shown(after));
        QCOMPARE(ListSettings::read(written).split, QByteArray("s"));
    }
};

QTEST_GUILESS_MAIN(TestParcels)
#include "test_parcels.moc"
