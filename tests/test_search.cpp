// The company search dialog against the real main window's courier list.
#include "app/appfont.h"
#include "search/form2.h"
#include "windowharness.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>

namespace {
constexpr int zhongyou = 126; // 中邮物流: contains none of the keywords below
const QString startCompany = QStringLiteral("中邮物流");
const QString startLine = QStringLiteral("之前的状态");
} // namespace

class TestSearch : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { applyApplicationFont(); }

    // Typed keywords; `company` empty means the selection is left as it was.
    void keyword_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("selections");
        QTest::addColumn<QString>("company");
        QTest::addColumn<QString>("code");
        QTest::addColumn<bool>("closes");
        QTest::addColumn<bool>("box");
        const auto row = [](const char *name, const QString &typed, int selections, const QString &company,
                            const char *code, bool closes, bool box) {
            QTest::newRow(name) << typed << selections << company << QString::fromLatin1(code) << closes
                                << box;
        };
        row("most entries", QStringLiteral("快递"), 77, QStringLiteral("忠信达快递"), "zhongxinda", true,
            false);
        row("lower case", QStringLiteral("ems"), 0, QString(), "zhongyou", true, false);
        row("upper case", QStringLiteral("EMS"), 1, QStringLiteral("EMS快递"), "ems", true, false);
        row("spaces around", QStringLiteral(" 申通 "), 1, QStringLiteral("申通快递"), "shentong", true,
            false);
        row("full-width space", QStringLiteral("申通\u3000"), 0, QString(), "zhongyou", true, false);
        row("tab kept", QStringLiteral("\t申通"), 0, QString(), "zhongyou", true, false);
        row("empty", QString(), 0, QString(), "zhongyou", false, true);
        row("spaces only", QStringLiteral("   "), 0, QString(), "zhongyou", false, false);
    }
    void keyword()
    {
        QFETCH(QString, typed);
        QFETCH(int, selections);
        QFETCH(QString, company);
        QFETCH(QString, code);
        QFETCH(bool, closes);
        QFETCH(bool, box);
        WindowHarness h;
        Form1 &w = h.startReady();
        auto *combo1 = h.find<QComboBox>("Combo1");
        h.selectCompany(zhongyou);
        w.setMessageLine(startLine);
        QStringList lines;
        Form2 dialog(
            combo1,
            [&](const QString &t) {
                lines << t;
                w.setMessageLine(t);
            },
            h.boxes, &w);
        dialog.show();
        QSignalSpy selected(combo1, &QComboBox::currentIndexChanged);

        dialog.findChild<QLineEdit *>(QStringLiteral("Text1"))->setText(typed);
        QTest::mouseClick(dialog.findChild<QPushButton *>(QStringLiteral("Command1")), Qt::LeftButton);

        QCOMPARE(selected.count(), selections);
        QCOMPARE(lines.size(), selections); // one status text per match
        QCOMPARE(combo1->currentText(), company.isEmpty() ? startCompany : company);
        QCOMPARE(w.companyCode(), code);
        QCOMPARE(w.messageLine(), company.isEmpty() ? startLine
                                                    : QStringLiteral("找到【") + company +
                                                          QStringLiteral("】，是否为您要找的公司?"));
        QCOMPARE(dialog.isVisible(), !closes);
        QCOMPARE(dialog.result(), closes ? int(QDialog::Accepted) : int(QDialog::Rejected));
        QCOMPARE(h.boxes.shown.size(), box ? 1 : 0);
        if (box) {
            const BoxRequest &request = h.boxes.shown.first();
            QCOMPARE(request.title, QStringLiteral("Orvo系列软件"));
            QCOMPARE(request.text, QStringLiteral("请输入物流公司关键字"));
            QCOMPARE(request.icon, BoxIcon::Information);
            QCOMPARE(request.buttons, int(BoxButton::Ok));
        }
    }

    void popular_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("company");
        QTest::addColumn<QString>("code");
        const QStringList captions = {"申通", "EMS",  "顺丰", "圆通", "中通",
                                      "汇通", "韵达", "程光", "全峰", "宅急送"};
        const QStringList codes = {"shentong", "ems",   "shunfeng",   "yuantong", "zhongtong",
                                   "huitong",  "yunda", "chengguang", "quanfeng", "zhaijisong"};
        for (int i = 0; i < captions.size(); ++i) {
            const QString button = QStringLiteral("Command%1").arg(i + 2);
            QTest::newRow(qPrintable(button))
                << button << captions[i] << captions[i] + QStringLiteral("快递") << codes[i];
        }
    }
    void popular()
    {
        QFETCH(QString, button);
        QFETCH(QString, caption);
        QFETCH(QString, company);
        QFETCH(QString, code);
        WindowHarness h;
        Form1 &w = h.startReady();
        auto *combo1 = h.find<QComboBox>("Combo1");
        h.selectCompany(zhongyou);
        w.setMessageLine(startLine);
        int lines = 0;
        Form2 dialog(
            combo1, [&](const QString &) { ++lines; }, h.boxes, &w);
        dialog.show();
        QSignalSpy selected(combo1, &QComboBox::currentIndexChanged);

        auto *pressed = dialog.findChild<QPushButton *>(button);
        QCOMPARE(pressed->text(), caption);
        QTest::mouseClick(pressed, Qt::LeftButton);

        QCOMPARE(selected.count(), 1);
        QCOMPARE(combo1->currentText(), company);
        QCOMPARE(w.companyCode(), code);
        QCOMPARE(lines, 0);
        QCOMPARE(w.messageLine(), startLine);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }

    // As the main window uses it: modal, the keyword box focused, closed by the search.
    void modal()
    {
        WindowHarness h;
        Form1 &w = h.startReady();
        auto *combo1 = h.find<QComboBox>("Combo1");
        Form2 dialog(
            combo1, [&](const QString &t) { w.setMessageLine(t); }, h.boxes, &w);
        QCOMPARE(dialog.minimumSize(), QSize(396, 222));
        QCOMPARE(dialog.maximumSize(), QSize(396, 222));

        bool wasModal = false;
        QWidget *focused = nullptr;
        QTimer::singleShot(0, &dialog, [&] {
            wasModal = QApplication::activeModalWidget() == &dialog;
            auto *text1 = dialog.findChild<QLineEdit *>(QStringLiteral("Text1"));
            if (QTest::qWaitForWindowActive(&dialog))
                focused = QApplication::focusWidget();
            QTest::keyClicks(text1, QStringLiteral("EMS"));
            QTest::mouseClick(dialog.findChild<QPushButton *>(QStringLiteral("Command1")), Qt::LeftButton);
            if (dialog.isVisible()) // never leave the test hanging in exec()
                dialog.reject();
        });
        QCOMPARE(dialog.exec(), int(QDialog::Accepted));
        QVERIFY(wasModal);
        QCOMPARE(focused, dialog.findChild<QLineEdit *>(QStringLiteral("Text1")));
        QCOMPARE(combo1->currentText(), QStringLiteral("EMS快递"));
        QCOMPARE(w.companyCode(), QStringLiteral("ems"));
        QCOMPARE(w.messageLine(), QStringLiteral("找到【EMS快递】，是否为您要找的公司?"));
    }
};

QTEST_MAIN(TestSearch)
#include "test_search.moc"
