#include "tracking/catalogue.h"

#include <QSet>
#include <QTest>

class TestCatalogue : public QObject {
    Q_OBJECT

private slots:
    void tableIsWholeAndUnique()
    {
        QCOMPARE(Catalogue::count(), 127);
        QStringList codes;
        for (int i = 0; i < Catalogue::count(); ++i)
            codes.append(Catalogue::code(i));
        const QStringList names = Catalogue::names();
        QCOMPARE(names.size(), 127);
        QCOMPARE(QSet<QString>(names.begin(), names.end()).size(), 127);
        QCOMPARE(QSet<QString>(codes.begin(), codes.end()).size(), 127);
        for (int i = 1; i < codes.size(); ++i)
            QVERIFY2(codes[i - 1].toLatin1() < codes[i].toLatin1(), qPrintable(codes[i]));
    }

    void positions_data()
    {
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("code");
        QTest::newRow("first") << 0 << "AAE快递"
                               << "aae";
        QTest::newRow("digits in code") << 9 << "城市100"
                                        << "chengshi100";
        QTest::newRow("bar in name") << 40 << "共速达物流|快递"
                                     << "gongsuda";
        QTest::newRow("parentheses") << 62 << "顺鑫(KCS)快递"
                                     << "kcs";
        QTest::newRow("shentong") << 90 << "申通快递"
                                  << "shentong";
        QTest::newRow("shunfeng") << 91 << "顺丰快递"
                                  << "shunfeng";
        QTest::newRow("latin only") << 98 << "UPS"
                                    << "ups";
        QTest::newRow("last") << 126 << "中邮物流"
                              << "zhongyou";
        QTest::newRow("before first") << -1 << ""
                                      << "";
        QTest::newRow("after last") << 127 << ""
                                    << "";
    }
    void positions()
    {
        QFETCH(int, position);
        QFETCH(QString, name);
        QFETCH(QString, code);
        QCOMPARE(Catalogue::name(position), name);
        QCOMPARE(Catalogue::code(position), code);
        if (!name.isEmpty())
            QCOMPARE(Catalogue::names().at(position), name);
    }

    void namesHolding_data()
    {
        QTest::addColumn<QString>("word");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("last");
        QTest::newRow("courier") << "快递" << 77 << "AAE快递"
                                 << "忠信达快递";
        QTest::newRow("logistics") << "物流" << 31 << "长通物流"
                                   << "中邮物流";
        QTest::newRow("express") << "速递" << 3 << "递四方速递"
                                 << "三态速递";
    }
    void namesHolding()
    {
        QFETCH(QString, word);
        QFETCH(int, count);
        const QStringList found = Catalogue::names().filter(word);
        QCOMPARE(found.size(), count);
        QTEST(found.first(), "first");
        QTEST(found.last(), "last");
    }
};

QTEST_GUILESS_MAIN(TestCatalogue)
#include "test_catalogue.moc"
