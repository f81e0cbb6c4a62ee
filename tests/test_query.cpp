// Queries end to end: the real window against the demo service over loopback.
#include "app/appfont.h"
#include "tracking/resultparser.h"
#include "windowharness.h"

#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QStringEncoder>
#include <QTreeView>

namespace {
QByteArray gbk(const QString &text)
{
    QStringEncoder encoder("GB18030");
    return encoder.encode(text);
}

QString tableOf(int rows)
{
    QString answer = QStringLiteral("<table>");
    for (int i = 1; i <= rows; ++i)
        answer += QStringLiteral("<tr><td>T%1</td><td>P%1</td></tr>").arg(i);
    return answer + QStringLiteral("</table>");
}

constexpr int shunfeng = 91;
constexpr int shentong = 90;
} // namespace

class TestQuery : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { applyApplicationFont(); }

    void signedParcel()
    {
        WindowHarness h;
        Form1 &w = h.startReady();
        h.query(shunfeng, QStringLiteral("1234567890"));

        QCOMPARE(h.service().lastRequestTarget(),
                 QByteArray("/?com=shunfeng&nu=1234567890&id=3C7E1A90B4D25F6E8A0C19D7E25B4F31&type=html"));
        const QList<ResultRow> rows = ResultParser::parse(
            h.service().trackingAnswer(QStringLiteral("shunfeng"), QStringLiteral("1234567890")));
        QVERIFY(rows.size() >= 3);
        QCOMPARE(h.rowCount(), rows.size());
        for (int i = 0; i < rows.size(); ++i) {
            const ResultRow &row = rows.at(rows.size() - 1 - i); // newest on top
            QCOMPARE(h.cell(i, 0), QString::number(i + 1));
            QCOMPARE(h.cell(i, 1), row.time);
            QCOMPARE(h.cell(i, 2), row.progress);
        }
        const QColor red(255, 0, 0);
        QCOMPARE(h.cellData(0, 1, Qt::ForegroundRole).value<QBrush>().color(), red);
        QCOMPARE(h.cellData(0, 2, Qt::ForegroundRole).value<QBrush>().color(), red);
        QVERIFY(!h.cellData(0, 0, Qt::ForegroundRole).isValid());
        QVERIFY(!h.cellData(1, 1, Qt::ForegroundRole).isValid());
        QVERIFY(!h.cellData(1, 2, Qt::ForegroundRole).isValid());

        QCOMPARE(h.find<QLabel>("Label3")->text(), QStringLiteral("快件状态：已签收"));
        QCOMPARE(h.find<QLabel>("Label7")->text(), QStringLiteral("是否更新：有更新"));
        QCOMPARE(h.find<QLabel>("Label7")->palette().color(QPalette::WindowText), red);
        QCOMPARE(h.sound.played.last(), QDir(h.folder()).filePath(QStringLiteral("ts.mp3")));
        QCOMPARE(w.messageLine(), QStringLiteral("查询完毕..."));
        QVERIFY(h.find<QPushButton>("Command1")->isEnabled());
        QCOMPARE(h.historyBytes(), QByteArray("1234567890|") + gbk(QStringLiteral("顺丰快递")) + "\r\n");
        QCOMPARE(h.find<QComboBox>("Text1")->currentText(), QStringLiteral("1234567890"));
        QCOMPARE(h.find<QComboBox>("Text1")->count(), 1);
        QVERIFY(w.resultPage().isEmpty());
        QCOMPARE(w.pendingRowCount(), 0);
        QCOMPARE(w.currentRowCount(), rows.size());
    }

    void gbkAnswerReadsAsUtf8Answer()
    {
        WindowHarness h;
        h.startReady();
        h.query(shunfeng, QStringLiteral("gbk"));
        const QList<ResultRow> rows = ResultParser::parse(
            h.service().trackingAnswer(QStringLiteral("shunfeng"), QStringLiteral("1234567890")));
        QCOMPARE(h.rowCount(), rows.size());
        QCOMPARE(h.cell(0, 2), rows.last().progress);
    }

    void refusals_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("emptied");
        QTest::newRow("format") << "<p>单号格式错误</p>"
                                << "单号格式错误!请检查!" << true;
        QTest::newRow("company") << "<p>不支持的快递公司</p>"
                                 << "系统问题,暂不支持当前快递公司!" << false;
        QTest::newRow("word inside a row") << "<table><tr><td>T</td><td>收件人不存在，退回</td></tr></table>"
                                           << "单号不存在!请检查!" << true;
    }
    void refusals()
    {
        QFETCH(QString, answer);
        QFETCH(QString, message);
        QFETCH(bool, emptied);
        WindowHarness h;
        Form1 &w = h.startReady();
        h.service().setTrackingAnswer(QStringLiteral("31415"), answer);
        h.query(shunfeng, QStringLiteral("31415"));
        QCOMPARE(w.messageLine(), message);
        QCOMPARE(h.find<QComboBox>("Text1")->currentText(), emptied ? QString() : QStringLiteral("31415"));
        QVERIFY(h.find<QPushButton>("Command1")->isEnabled());
        QCOMPARE(h.rowCount(), 0);
        QCOMPARE(h.find<QLabel>("Label3")->text(), QStringLiteral("快件状态：未查询"));
        QCOMPARE(h.find<QLabel>("Label7")->text(), QStringLiteral("是否更新：未查询"));
        QCOMPARE(h.historyBytes(), QByteArray("(missing)"));
        QCOMPARE(h.sound.played.size(), 1); // the start sound only
    }

    void inputChecks_data()
    {
        QTest::addColumn<int>("company");
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("focus");
        QTest::addColumn<QString>("numberAfter");
        QTest::newRow("no number") << shunfeng << ""
                                   << "请输入快递单号!"
                                   << "Text1"
                                   << "";
        QTest::newRow("placeholder") << shunfeng << "双击文本可粘贴单号"
                                     << "请输入快递单号!"
                                     << "Text1"
                                     << "";
        QTest::newRow("no company") << -1 << "123"
                                    << "请选择快递公司!"
                                    << "Combo1"
                                    << "123";
    }
    void inputChecks()
    {
        QFETCH(int, company);
        QFETCH(QString, number);
        QFETCH(QString, message);
        QFETCH(QString, focus);
        QFETCH(QString, numberAfter);
        WindowHarness h;
        Form1 &w = h.startReady();
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        const int before = h.service().requestCount();
        h.query(company, number);
        QCOMPARE(w.messageLine(), message);
        QCOMPARE(h.service().requestCount(), before);
        QCOMPARE(QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString(), focus);
        QCOMPARE(h.find<QComboBox>("Text1")->currentText(), numberAfter);
    }

    // No usable answer: the button comes back with a message; the change notice does not run.
    void fetchFailures_data()
    {
        QTest::addColumn<QString>("number");
        QTest::newRow("never answers") << "hang";
        QTest::newRow("drips") << "drip";
        QTest::newRow("cut mid-answer") << "cut";
        QTest::newRow("404 page") << "e404";
        QTest::newRow("500 page") << "e500";
        QTest::newRow("50 MB") << "huge";
        QTest::newRow("empty body") << "empty";
        QTest::newRow("redirect loop") << "redirect";
    }
    void fetchFailures()
    {
        QFETCH(QString, number);
        WindowHarness h(WindowHarness::Options{.deadlineMs = 1000, .maxBytes = 1024 * 1024});
        h.service().setDripInterval(100);
        Form1 &w = h.startReady();
        h.query(shunfeng, QStringLiteral("1234567890"));
        QCOMPARE(h.find<QLabel>("Label7")->text(), QStringLiteral("是否更新：有更新"));
        const int sounds = h.sound.played.size();
        const QByteArray history = h.historyBytes();

        h.query(shunfeng, number);
        QCOMPARE(w.messageLine(), QStringLiteral("查询失败,请检查网络后重试!"));
        QVERIFY(h.find<QPushButton>("Command1")->isEnabled());
        QVERIFY(!h.find<QTimer>("Timer1")->isActive());
        QCOMPARE(h.find<QLabel>("Label7")->text(), QStringLiteral("是否更新：有更新"));
        QCOMPARE(h.sound.played.size(), sounds);
        QCOMPARE(h.historyBytes(), history);
        QCOMPARE(h.find<QComboBox>("Text1")->currentText(), number);
        QCOMPARE(w.previousRowCount(), 0);
    }

    void serviceUnreachable()
    {
        WindowHarness h;
        h.endpoints.trackingHost = QStringLiteral("127.0.0.1:1");
        Form1 &w = h.startReady();
        h.query(shunfeng, QStringLiteral("1234567890"));
        QCOMPARE(w.messageLine(), QStringLiteral("查询失败,请检查网络后重试!"));
        QVERIFY(h.find<QPushButton>("Command1")->isEnabled());
    }

    void answerWithoutRows()
    {
        WindowHarness h;
        Form1 &w = h.startReady();
        h.query(shunfeng, QStringLiteral("8880001"));
        QCOMPARE(w.messageLine(), QStringLiteral("暂无物流信息!"));
        QVERIFY(h.find<QPushButton>("Command1")->isEnabled());
        QCOMPARE(h.find<QLabel>("Label7")->text(), QStringLiteral("是否更新：未查询"));
        QCOMPARE(h.historyBytes(), QByteArray("8880001|") + gbk(QStringLiteral("顺丰快递")) + "\r\n");
    }

    void markupStaysText()
    {
        WindowHarness h;
        h.startReady();
        h.service().setTrackingAnswer(
            QStringLiteral("777"),
            QStringLiteral("<table><tr><td><b>T</b></td><td><img src=x> 已签收</td></tr></table>"));
        h.query(shunfeng, QStringLiteral("777"));
        QCOMPARE(h.cell(0, 1), QStringLiteral("b>T/b>"));
        QCOMPARE(h.cell(0, 2), QStringLiteral("<img src=x> 已签收"));
    }

    void changeNoticeSequence()
    {
        WindowHarness h;
        Form1 &w = h.startReady();
        auto *label7 = h.find<QLabel>("Label7");
        h.service().setTrackingAnswer(QStringLiteral("1"), tableOf(7));
        h.query(shunfeng, QStringLiteral("1"));
        QCOMPARE(label7->text(), QStringLiteral("是否更新：有更新"));
        QCOMPARE(h.sound.played.size(), 2);

        h.query(shunfeng, QStringLiteral("1"));
        QCOMPARE(label7->text(), QStringLiteral("是否更新：无更新"));
        QCOMPARE(label7->palette().color(QPalette::WindowText), QColor(0, 0, 0));
        QCOMPARE(h.sound.played.size(), 2);
        QCOMPARE(w.previousRowCount(), 7);

        h.service().setTrackingAnswer(QStringLiteral("1"), tableOf(8));
        h.query(shunfeng, QStringLiteral("1"));
        QCOMPARE(label7->text(), QStringLiteral("是否更新：有更新"));
        QCOMPARE(h.sound.played.size(), 3);

        h.service().setTrackingAnswer(QStringLiteral("2"), tableOf(12));
        h.service().setTrackingAnswer(QStringLiteral("3"), tableOf(5));
        h.query(shunfeng, QStringLiteral("2"));
        h.query(shunfeng, QStringLiteral("3"));
        QCOMPARE(label7->text(), QStringLiteral("是否更新：无更新"));
    }

    void growingParcel()
    {
        WindowHarness h;
        h.startReady();
        h.service().setStartTime(QDateTime::currentDateTime());
        h.query(shunfeng, QStringLiteral("7770001"));
        const int first = h.rowCount();
        h.service().setStartTime(QDateTime::currentDateTime().addSecs(-61));
        h.query(shunfeng, QStringLiteral("7770001"));
        QCOMPARE(h.rowCount(), first + 1);
        QCOMPARE(h.find<QLabel>("Label7")->text(), QStringLiteral("是否更新：有更新"));
    }

    void historyRules_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<int>("company");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QByteArray>("expected");
        const QByteArray sf = gbk(QStringLiteral("顺丰快递"));
        const QByteArray st = gbk(QStringLiteral("申通快递"));
        QTest::newRow("same number twice") << "1234567890|" + sf + "\r\n"
                                           << shunfeng << "1234567890"
                                           << "1234567890|" + sf + "\r\n";
        QTest::newRow("same number, other company") << "1234567890|" + sf + "\r\n"
                                                    << shentong << "1234567890"
                                                    << "1234567890|" + sf + "\r\n";
        QTest::newRow("part of a stored number") << "3124|" + sf + "\r\n"
                                                 << shunfeng << "12"
                                                 << "3124|" + sf + "\r\n12|" + sf + "\r\n";
        QTest::newRow("old, old, old, new") << QByteArray("1|a\r\n2|b\r\n3|c\r\n") << shentong << "4"
                                            << QByteArray("1|a\r\n2|b\r\n3|c\r\n4|") + st + "\r\n";
        QTest::newRow("line break pasted") << QByteArray() << shunfeng << "9876\r\n"
                                           << QByteArray("9876|") + sf + "\r\n";
        QTest::newRow("LF-only file")
            << QByteArray("1|a\n2|b\n") << shunfeng << "5" << QByteArray("1|a\r\n2|b\r\n5|") + sf + "\r\n";
    }
    void historyRules()
    {
        QFETCH(QByteArray, stored);
        QFETCH(int, company);
        QFETCH(QString, typed);
        QFETCH(QByteArray, expected);
        WindowHarness h;
        if (!stored.isEmpty())
            h.writeHistory(stored);
        h.startReady();
        h.service().setTrackingAnswer(typed, tableOf(2));
        h.query(company, typed);
        QCOMPARE(h.historyBytes(), expected);
        QCOMPARE(h.find<QComboBox>("Text1")->count(), HistoryStore::parse(expected).size());
    }

    void numberSentAsTyped_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QByteArray>("sent");
        QTest::newRow("plain") << "SF1234567890" << QByteArray("SF1234567890");
        QTest::newRow("leading blank") << " 42" << QByteArray("%2042");
        QTest::newRow("key injection") << "1&com=ems#x+y" << QByteArray("1%26com%3Dems%23x%2By");
        QTest::newRow("chinese") << "单号" << QByteArray("%E5%8D%95%E5%8F%B7");
        QTest::newRow("line break") << "9876\r\n" << QByteArray("9876%0D%0A");
    }
    void numberSentAsTyped()
    {
        QFETCH(QString, typed);
        QFETCH(QByteArray, sent);
        WindowHarness h;
        h.startReady();
        h.query(shunfeng, typed);
        QCOMPARE(h.service().lastRequestTarget(),
                 "/?com=shunfeng&nu=" + sent + "&id=3C7E1A90B4D25F6E8A0C19D7E25B4F31&type=html");
    }

    void historyCannotBeWritten()
    {
        WindowHarness h;
        // Running as root, a read-only mode bit stops nothing: a directory in the way does.
        QVERIFY(QDir(h.folder()).mkdir(QStringLiteral("wlnum.ini")));
        Form1 &w = h.startReady();
        h.query(shunfeng, QStringLiteral("1234567890"));
        QCOMPARE(w.messageLine(), QStringLiteral("单号记录保存失败!"));
        QVERIFY(h.find<QPushButton>("Command1")->isEnabled());
        QCOMPARE(h.find<QComboBox>("Text1")->count(), 1);
        QCOMPARE(h.find<QComboBox>("Text1")->itemText(0), QStringLiteral("1234567890|顺丰快递"));
        QVERIFY(h.rowCount() > 0);
    }

    void largeHistory()
    {
        QByteArray bytes;
        for (int i = 0; i < 100000; ++i)
            bytes += QByteArray::number(1000000 + i) + "|a\r\n";
        WindowHarness h;
        h.writeHistory(bytes);
        h.startReady();
        QCOMPARE(h.find<QComboBox>("Text1")->count(), 100000);
        h.service().setTrackingAnswer(QStringLiteral("1099999"), tableOf(1));
        h.query(shunfeng, QStringLiteral("1099999")); // already stored
        QCOMPARE(h.historyBytes(), bytes);
    }

    void hundredThousandRows()
    {
        WindowHarness h(WindowHarness::Options{.maxBytes = 64 * 1024 * 1024});
        h.startReady();
        h.service().setTrackingAnswer(QStringLiteral("big"), tableOf(100000));
        h.query(shunfeng, QStringLiteral("big"));
        QCOMPARE(h.rowCount(), 100000);
        QCOMPARE(h.cell(0, 1), QStringLiteral("T100000"));
        QCOMPARE(h.cell(99999, 0), QStringLiteral("100000"));
        QCOMPARE(h.cell(99999, 2), QStringLiteral("P1"));
    }
};

QTEST_MAIN(TestQuery)
#include "test_query.moc"
