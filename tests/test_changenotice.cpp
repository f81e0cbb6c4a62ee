#include "monitor/changenotice.h"

#include <QTest>

class TestChangeNotice : public QObject {
    Q_OBJECT

private slots:
    void decide_data()
    {
        QTest::addColumn<int>("previous");
        QTest::addColumn<int>("current");
        QTest::addColumn<bool>("grew");
        QTest::newRow("first rows") << 0 << 3 << true;
        QTest::newRow("still nothing") << 0 << 0 << false;
        QTest::newRow("same") << 7 << 7 << false;
        QTest::newRow("one more") << 7 << 8 << true;
        QTest::newRow("fewer, larger as text") << 12 << 5 << false;
        QTest::newRow("more, smaller as text") << 5 << 12 << true;
        QTest::newRow("all gone") << 3 << 0 << false;
    }
    void decide()
    {
        QFETCH(int, previous);
        QFETCH(int, current);
        QFETCH(bool, grew);
        const ChangeVerdict verdict = ChangeNotice::decide(previous, current);
        QCOMPARE(verdict.caption, grew ? QString("是否更新：有更新") : QString("是否更新：无更新"));
        QCOMPARE(verdict.red, grew);
        QCOMPARE(verdict.playSound, grew);
    }
};

QTEST_GUILESS_MAIN(TestChangeNotice)
#include "test_changenotice.moc"
