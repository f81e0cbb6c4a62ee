// The number box's history through the window: pick, delete, clear; and the export button.
#include "app/appfont.h"
#include "windowharness.h"

#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QStringEncoder>

namespace {
QByteArray gbk(const QString &text)
{
    QStringEncoder encoder("GB18030");
    return encoder.encode(text);
}

QStringList items(const QComboBox *box)
{
    QStringList list;
    for (int i = 0; i < box->count(); ++i)
        list << box->itemText(i);
    return list;
}

constexpr int shunfeng = 91;
} // namespace

class TestHistory : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { applyApplicationFont(); }

    // A pick by the arrow key, as a user makes it.
    void pick_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("company");
        QTest::addColumn<QString>("code");
        QTest::newRow("number and company") << "1234567890|中通快递"
                                            << "1234567890"
                                            << "中通快递"
                                            << "zhongtong";
        QTest::newRow("company with a bar") << "5|共速达物流|快递"
                                            << "5"
                                            << "共速达物流|快递"
                                            << "gongsuda";
        QTest::newRow("unknown company") << "5|无此公司"
                                         << "5"
                                         << "顺丰快递"
                                         << "shunfeng";
        QTest::newRow("other text with a bar") << "5|中通|快递"
                                               << "5"
                                               << "顺丰快递"
                                               << "shunfeng";
        QTest::newRow("bar in the number") << "12|34|顺丰快递"
                                           << "12|34"
                                           << "顺丰快递"
                                           << "shunfeng";
        QTest::newRow("bar in the company, known") << "777|共速达物流|快递"
                                                   << "777"
                                                   << "共速达物流|快递"
                                                   << "gongsuda";
        QTest::newRow("no bar") << "abc"
                                << ""
                                << "顺丰快递"
                                << "shunfeng";
    }
    void pick()
    {
        QFETCH(QString, entry);
        QFETCH(QString, number);
        QFETCH(QString, company);
        QFETCH(QString, code);
        WindowHarness h;
        h.writeHistory(gbk(entry) + "\r\n");
        Form1 &w = h.startReady();
        h.service().setTrackingAnswer(QStringLiteral("9"),
                                      QStringLiteral("<table><tr><td>T</td><td>P</td></tr></table>"));
        h.query(shunfeng, QStringLiteral("9"));
        QCOMPARE(w.currentRowCount(), 1);

        auto *text1 = h.find<QComboBox>("Text1");
        text1->setFocus();
        text1->setCurrentIndex(-1); // by code: no pick
        QTest::keyClick(text1, Qt::Key_Down);
        QCOMPARE(text1->currentText(), number);
        QCOMPARE(h.find<QComboBox>("Combo1")->currentText(), company);
        QCOMPARE(w.companyCode(), code);
        QCOMPARE(w.previousRowCount(), 0);
        QCOMPARE(w.currentRowCount(), 0);
    }

    // Only the user's choice picks: code that sets the box's text or index does not.
    void codeDoesNotPick()
    {
        WindowHarness h;
        h.writeHistory(gbk(QStringLiteral("1234567890|中通快递\r\n")));
        h.startReady();
        h.selectCompany(shunfeng);
        auto *text1 = h.find<QComboBox>("Text1");
        text1->setCurrentIndex(0);
        text1->setEditText(QStringLiteral("1234567890|中通快递"));
        QCOMPARE(h.find<QComboBox>("Combo1")->currentText(), QStringLiteral("顺丰快递"));
    }

    void deleteNumber_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("equal numbers only")
            << QByteArray("3124|a\r\n12|b\r\n") << "12" << int(BoxButton::Yes) << QByteArray("3124|a\r\n");
        QTest::newRow("every entry of the number")
            << QByteArray("7|a\r\n8|b\r\n7|c\r\n") << "7" << int(BoxButton::Yes) << QByteArray("8|b\r\n");
        QTest::newRow("the only entry")
            << QByteArray("7|a\r\n") << "7" << int(BoxButton::Yes) << QByteArray();
        QTest::newRow("no entry of it")
            << QByteArray("7|a") << "9" << int(BoxButton::Yes) << QByteArray("7|a\r\n");
        QTest::newRow("answer no") << QByteArray("7|a\r\n") << "7" << int(BoxButton::No)
                                   << QByteArray("7|a\r\n");
        QTest::newRow("a bar in the number") << gbk(QStringLiteral("12|34|顺丰快递\r\n12|b\r\n")) << "12|34"
                                             << int(BoxButton::Yes) << QByteArray("12|b\r\n");
        // F8 with a lone line break: no number, so nothing goes and the file keeps its bytes.
        QTest::newRow("line breaks only") << QByteArray("|a\r\n\r\n7|b\n") << "\r\n" << int(BoxButton::Yes)
                                          << QByteArray("|a\r\n\r\n7|b\n");
    }
    void deleteNumber()
    {
        QFETCH(QByteArray, stored);
        QFETCH(QString, typed);
        QFETCH(int, answer);
        QFETCH(QByteArray, after);
        WindowHarness h;
        h.writeHistory(stored);
        Form1 &w = h.startReady();
        w.setMessageLine(QStringLiteral("before"));
        h.typeNumber(typed);
        h.boxes.answers.enqueue(BoxButton(answer));
        h.find<QPushButton>("Command9")->click();

        QCOMPARE(h.boxes.shown.size(), 1);
        QCOMPARE(h.boxes.shown[0].text, QStringLiteral("确定要删除[") + typed + QStringLiteral("]此单号码?"));
        QCOMPARE(h.boxes.shown[0].buttons, BoxButton::Yes | BoxButton::No);
        QCOMPARE(h.boxes.shown[0].defaultButton, BoxButton::Yes);
        const bool yes = answer == BoxButton::Yes;
        QCOMPARE(h.historyBytes(), yes ? after : stored);
        QCOMPARE(items(h.find<QComboBox>("Text1")), HistoryStore::parse(after));
        QCOMPARE(h.find<QComboBox>("Text1")->currentText(), yes ? QString() : typed);
        QCOMPARE(w.messageLine(), QStringLiteral("before"));
    }

    void deleteWithEmptyBox()
    {
        WindowHarness h;
        h.writeHistory("7|a\r\n");
        h.startReady();
        h.find<QPushButton>("Command9")->click();
        QCOMPARE(h.boxes.shown.size(), 1);
        QCOMPARE(h.boxes.shown[0].text, QStringLiteral("请先选择要删除的单号!"));
        QCOMPARE(h.boxes.shown[0].buttons, int(BoxButton::Ok));
        QCOMPARE(h.historyBytes(), QByteArray("7|a\r\n"));
    }

    void clear_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("message");
        QTest::newRow("yes") << QByteArray("7|a\r\n8|b\r\n") << int(BoxButton::Yes) << "查询列表已清空...";
        QTest::newRow("yes without a file") << QByteArray() << int(BoxButton::Yes) << "查询列表已清空...";
        QTest::newRow("no") << QByteArray("7|a\r\n") << int(BoxButton::No) << "before";
    }
    void clear()
    {
        QFETCH(QByteArray, stored);
        QFETCH(int, answer);
        QFETCH(QString, message);
        WindowHarness h;
        if (!stored.isEmpty())
            h.writeHistory(stored);
        Form1 &w = h.startReady();
        w.setMessageLine(QStringLiteral("before"));
        h.typeNumber(QStringLiteral("7"));
        h.boxes.answers.enqueue(BoxButton(answer));
        h.find<QPushButton>("Command7")->click();
        QCOMPARE(h.boxes.shown.size(), 1);
        QCOMPARE(h.boxes.shown[0].text, QStringLiteral("确定要清空查询列表吗?"));
        QCOMPARE(h.boxes.shown[0].defaultButton, BoxButton::Yes);
        QCOMPARE(w.messageLine(), message);
        const bool yes = answer == BoxButton::Yes;
        QCOMPARE(h.find<QComboBox>("Text1")->count(), yes ? 0 : int(HistoryStore::parse(stored).size()));
        QCOMPARE(h.find<QComboBox>("Text1")->currentText(), yes ? QString() : QStringLiteral("7"));
        QCOMPARE(QFile::exists(h.historyPath()), !yes && !stored.isEmpty());
    }

    // Running as root, a read-only mode bit stops nothing: a directory in the way does.
    void historyCannotBeWritten_data()
    {
        QTest::addColumn<QString>("button");
        QTest::newRow("delete") << "Command9";
        QTest::newRow("clear") << "Command7";
    }
    void historyCannotBeWritten()
    {
        QFETCH(QString, button);
        WindowHarness h;
        QVERIFY(QDir(h.folder()).mkdir(QStringLiteral("wlnum.ini")));
        Form1 &w = h.startReady();
        h.query(shunfeng, QStringLiteral("1234567890"));
        QCOMPARE(h.find<QComboBox>("Text1")->count(), 1);
        h.boxes.answers.enqueue(BoxButton::Yes);
        h.find<QPushButton>(button.toLatin1().constData())->click();
        QCOMPARE(w.messageLine(), QStringLiteral("单号记录保存失败!"));
        QCOMPARE(h.find<QComboBox>("Text1")->count(), 0);
    }

    void exportList()
    {
        WindowHarness h;
        Form1 &w = h.startReady();
        h.find<QPushButton>("Command3")->click();
        QCOMPARE(h.boxes.shown.last().text, QStringLiteral("没有可导出的数据!"));
        QCOMPARE(w.messageLine(), QStringLiteral("没有可导出的数据.."));
        QVERIFY(!QFile::exists(w.exportPath()));

        h.service().setTrackingAnswer(
            QStringLiteral("5"),
            QStringLiteral(
                "<table><tr><td>T1</td><td>已揽收</td></tr><tr><td>T2</td><td>已签收</td></tr></table>"));
        h.query(shunfeng, QStringLiteral("5"));
        h.find<QPushButton>("Command3")->click();
        const BoxRequest &box = h.boxes.shown.last();
        QCOMPARE(box.text, QStringLiteral("成功导出全部数据!"));
        QCOMPARE(box.title, QStringLiteral("Orvo系列软件"));
        QVERIFY(box.icon == BoxIcon::Information);
        QCOMPARE(w.messageLine(), QStringLiteral("成功导出全部数据.."));
        QCOMPARE(w.exportPath(), QDir(h.folder()).filePath(QStringLiteral("物流信息.txt")));
        QFile file(w.exportPath());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("1          T2   ") + gbk(QStringLiteral("已签收")) +
                                     "\r\n2          T1   " + gbk(QStringLiteral("已揽收")) + "\r\n");
    }

    void exportCannotBeWritten()
    {
        WindowHarness h;
        QVERIFY(QDir(h.folder()).mkdir(QStringLiteral("物流信息.txt")));
        Form1 &w = h.startReady();
        h.query(shunfeng, QStringLiteral("1234567890"));
        h.find<QPushButton>("Command3")->click();
        QCOMPARE(h.boxes.shown.last().text, QStringLiteral("数据导出失败!"));
        QCOMPARE(w.messageLine(), QStringLiteral("数据导出失败.."));
    }
};

QTEST_MAIN(TestHistory)
#include "test_history.moc"
