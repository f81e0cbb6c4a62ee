// The main window's start-up, shutdown, update check and the Qt behaviours it depends on.
#include "app/appfont.h"
#include "tracking/catalogue.h"
#include "windowharness.h"

#include <QClipboard>
#include <QDialog>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>
#include <QTreeView>
#include <qpa/qwindowsysteminterface.h>

class TestForm1 : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { applyApplicationFont(); }

    void startupState()
    {
        WindowHarness h(WindowHarness::Options{.scriptedFetch = true});
        Form1 &w = h.start();
        QCOMPARE(w.windowTitle(), QStringLiteral("Quillon V3 - 妈妈再也不用担心我的快递了呢~"));
        QCOMPARE(w.size(), QSize(642, 522));
        QCOMPARE(w.minimumSize(), w.maximumSize());
        QVERIFY(!h.find<QPushButton>("Command1")->isEnabled());
        QVERIFY(!h.find<QComboBox>("Text1")->isEnabled());
        QCOMPARE(w.messageLine(), QStringLiteral("程序检测更新中.."));
        QCOMPARE(h.find<QLabel>("Label3")->text(), QStringLiteral("快件状态：未查询"));
        QCOMPARE(h.find<QLabel>("Label7")->text(), QStringLiteral("是否更新：未查询"));
        QCOMPARE(h.find<QGroupBox>("Frame2")->title(),
                 QStringLiteral("物流信息 [当前支持:127家物流公司]F8快捷粘贴单号"));

        auto *combo1 = h.find<QComboBox>("Combo1");
        QCOMPARE(combo1->count(), 127);
        QCOMPARE(combo1->currentIndex(), -1);
        QVERIFY(combo1->currentText().isEmpty());
        QVERIFY(w.companyCode().isEmpty());

        auto *hours = h.find<QComboBox>("Combo2");
        auto *minutes = h.find<QComboBox>("Combo3");
        auto *loop = h.find<QComboBox>("Combo4");
        QCOMPARE(hours->count(), 24);
        QCOMPARE(hours->currentText(), QStringLiteral("0"));
        QCOMPARE(hours->itemText(23), QStringLiteral("23"));
        QCOMPARE(minutes->count(), 60);
        QCOMPARE(minutes->currentText(), QStringLiteral("0"));
        QCOMPARE(loop->count(), 360);
        QCOMPARE(loop->itemText(359), QStringLiteral("360"));
        QCOMPARE(loop->currentIndex(), -1);
        QVERIFY(h.find<QGroupBox>("Frame6")->isHidden());
        QVERIFY(!h.find<QGroupBox>("Frame4")->isHidden());

        QVERIFY(h.find<QTimer>("Timer3")->isActive());
        QCOMPARE(h.find<QTimer>("Timer3")->interval(), 1000);
        QVERIFY(!h.find<QTimer>("Timer1")->isActive());
        QCOMPARE(h.skin.attachedPath, h.folder() + QStringLiteral("/skinh.she"));
        QCOMPARE(h.skin.attachedPassword, QString());
        QCOMPARE(h.skin.hsv, (QList<int>{-157, 0, 0}));
        QCOMPARE(h.sound.played, QStringList{h.folder() + QStringLiteral("/orvo.mp3")});
        QCOMPARE(h.find<QLabel>("S1Panel1")->text(), QStringLiteral("查询提示："));
        QCOMPARE(h.find<QLabel>("S1Panel3")->text(), QStringLiteral("Mirovel出品"));
        QCOMPARE(h.find<QLabel>("S1Panel4")->text(), QStringLiteral("14:05"));
        QVERIFY(h.scripted().requested.isEmpty()); // the update check waits for its timer
    }

    void historyLoadsUnselected()
    {
        WindowHarness h(WindowHarness::Options{.scriptedFetch = true});
        h.writeHistory("3124|\xcb\xb3\xb7\xe1\xbf\xec\xb5\xdd\r\n55|x\r\n");
        h.start();
        auto *text1 = h.find<QComboBox>("Text1");
        QCOMPARE(text1->count(), 2);
        QCOMPARE(text1->itemText(0), QStringLiteral("3124|顺丰快递"));
        QCOMPARE(text1->currentIndex(), -1);
        QVERIFY(text1->currentText().isEmpty());
    }

    void companySelection_data()
    {
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("code");
        QTest::newRow("first") << 0 << "aae";
        QTest::newRow("last") << 126 << "zhongyou";
        QTest::newRow("code with digits") << 9 << "chengshi100";
        QTest::newRow("shunfeng") << 91 << "shunfeng";
        QTest::newRow("shentong") << 90 << "shentong";
    }
    void companySelection()
    {
        QFETCH(int, position);
        QFETCH(QString, code);
        WindowHarness h(WindowHarness::Options{.scriptedFetch = true});
        Form1 &w = h.start();
        auto *combo1 = h.find<QComboBox>("Combo1");
        combo1->setCurrentIndex(position); // by code, as the search dialog does
        QCOMPARE(w.companyCode(), code);
        combo1->setCurrentIndex(-1); // nothing selected keeps the last code
        QCOMPARE(w.companyCode(), code);
        combo1->setCurrentText(QStringLiteral("共速达物流|快递"));
        QCOMPARE(w.companyCode(), QStringLiteral("gongsuda"));
    }

    void numberBoxTakesTextAsTyped()
    {
        WindowHarness h(WindowHarness::Options{.scriptedFetch = true});
        h.writeHistory("3124|x\r\n");
        h.startReady();
        auto *text1 = h.find<QComboBox>("Text1");
        QVERIFY(!text1->completer());
        QTest::keyClicks(text1->lineEdit(), QStringLiteral("31"));
        QCOMPARE(text1->currentText(), QStringLiteral("31"));
        QTest::keyClick(text1->lineEdit(), Qt::Key_Return);
        QCOMPARE(text1->count(), 1);
        QCOMPARE(text1->currentText(), QStringLiteral("31"));

        const QString pasted(100000, QLatin1Char('7'));
        text1->setEditText(pasted);
        QCOMPARE(text1->currentText().size(), pasted.size());
    }

    // F8 pastes from any control, even before the number box is enabled.
    void f8Paste_data()
    {
        QTest::addColumn<QString>("clipboard");
        QTest::addColumn<QString>("focus");
        QTest::newRow("number, company list focused") << "9876"
                                                      << "Combo1";
        QTest::newRow("line break kept") << "9876\r\n"
                                         << "ListView1";
        QTest::newRow("no text") << ""
                                 << "Combo1";
        QTest::newRow("a megabyte") << QString(1 << 20, QLatin1Char('8')) << "Combo2";
    }
    void f8Paste()
    {
        QFETCH(QString, clipboard);
        QFETCH(QString, focus);
        WindowHarness h(WindowHarness::Options{.scriptedFetch = true});
        Form1 &w = h.start();
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        h.typeNumber(QStringLiteral("old"));
        QGuiApplication::clipboard()->setText(clipboard);
        QWidget *target = h.find<QWidget>(focus.toLatin1().constData());
        target->setFocus();
        QTest::keyClick(target, Qt::Key_F8);
        QCOMPARE(h.find<QComboBox>("Text1")->currentText(), clipboard);
        QVERIFY(!h.find<QComboBox>("Text1")->isEnabled());
        QTest::keyClick(target, Qt::Key_F7);
        QCOMPARE(h.find<QComboBox>("Text1")->currentText(), clipboard);
    }

    void queryRunsWhileButtonDisabled()
    {
        WindowHarness h(WindowHarness::Options{.scriptedFetch = true});
        Form1 &w = h.start();
        QVERIFY(!h.find<QPushButton>("Command1")->isEnabled());
        h.selectCompany(91);
        h.typeNumber(QStringLiteral("42"));
        w.command1Click();
        QCOMPARE(h.scripted().requested.size(), 1);
    }

    void farewell_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("closes");
        QTest::addColumn<bool>("opensForum");
        QTest::newRow("yes") << int(BoxButton::Yes) << true << true;
        QTest::newRow("no") << int(BoxButton::No) << true << false;
        QTest::newRow("cancel") << int(BoxButton::Cancel) << false << false;
    }
    void farewell()
    {
        QFETCH(int, answer);
        QFETCH(bool, closes);
        QFETCH(bool, opensForum);
        WindowHarness h(WindowHarness::Options{.scriptedFetch = true});
        Form1 &w = h.start();
        w.show();
        h.boxes.answers.enqueue(BoxButton(answer));
        QCOMPARE(w.close(), closes);
        QCOMPARE(w.isVisible(), !closes);
        QCOMPARE(h.boxes.shown.size(), 1);
        const BoxRequest &box = h.boxes.shown.first();
        QCOMPARE(box.title, QStringLiteral("Orvo系列软件"));
        QCOMPARE(box.text.split(QLatin1Char('\n')),
                 (QStringList{QStringLiteral("感谢您对Pell、对Orvo系列的软件的支持!"), QStringLiteral(" "),
                              QStringLiteral("是否退出并到论坛可以下载更多Orvo系列原创免费软件?")}));
        QCOMPARE(box.buttons, BoxButton::Yes | BoxButton::No | BoxButton::Cancel);
        QCOMPARE(box.defaultButton, BoxButton::Yes);
        QVERIFY(box.icon == BoxIcon::Information);
        QCOMPARE(h.shell.opened, opensForum ? QList<QUrl>{h.endpoints.forumUrl} : QList<QUrl>{});
        QVERIFY(h.appExit.codes.isEmpty());
    }

    // Each dialog button opens its dialog modally and returns when it closes.
    void dialogButtons_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("title");
        QTest::newRow("search") << "Command2"
                                << "搜索物流公司";
        QTest::newRow("about") << "Command6"
                               << "关于程序";
        QTest::newRow("outlet") << "Command12"
                                << "网店信息查询";
    }
    void dialogButtons()
    {
        QFETCH(QString, button);
        QFETCH(QString, title);
        WindowHarness h(WindowHarness::Options{.scriptedFetch = true});
        Form1 &w = h.startReady();
        w.show();
        QString seen;
        QTimer::singleShot(0, [&] {
            QWidget *dialog = QApplication::activeModalWidget();
            if (!dialog)
                return;
            seen = dialog->windowTitle();
            dialog->close();
        });
        h.find<QPushButton>(button.toLatin1().constData())->click();
        QCOMPARE(seen, title);
        QVERIFY(!QApplication::activeModalWidget());
        QVERIFY(w.findChildren<QDialog *>().isEmpty());
    }

    void forumButton()
    {
        WindowHarness h(WindowHarness::Options{.scriptedFetch = true});
        h.start();
        h.find<QPushButton>("Command4")->click();
        QCOMPARE(h.shell.opened, QList<QUrl>{h.endpoints.forumUrl});
    }

    void updateCheck_data()
    {
        QTest::addColumn<QByteArray>("answer");
        QTest::addColumn<int>("behaviour");
        QTest::addColumn<QString>("verdict");
        using B = DemoService::Behaviour;
        QTest::newRow("current with line break") << QByteArray("V3.0\r\n") << int(B::Normal) << "current";
        QTest::newRow("newer") << QByteArray("V3.1") << int(B::Normal) << "newer";
        QTest::newRow("error page") << QByteArray("V3.1") << int(B::NotFound) << "failed";
        QTest::newRow("html as 200") << QByteArray("<html><body>Moved</body></html>") << int(B::Normal)
                                     << "failed";
        QTest::newRow("no answer") << QByteArray("V3.1") << int(B::Hang) << "failed";
    }
    void updateCheck()
    {
        QFETCH(QByteArray, answer);
        QFETCH(int, behaviour);
        QFETCH(QString, verdict);
        WindowHarness h(WindowHarness::Options{.deadlineMs = 800});
        h.service().setUpdateAnswer(answer);
        h.service().setUpdateBehaviour(DemoService::Behaviour(behaviour));
        Form1 &w = h.start();
        w.timer3Tick();
        QVERIFY(!h.find<QTimer>("Timer3")->isActive());
        QCOMPARE(h.service().lastRequestTarget(), QByteArray("/orvoupd/zephyr/jc.txt"));
        QCOMPARE(w.messageLine(), QStringLiteral("程序已加载完毕..."));
        const bool ready = verdict != QLatin1String("newer");
        QCOMPARE(h.find<QPushButton>("Command1")->isEnabled(), ready);
        QCOMPARE(h.find<QComboBox>("Text1")->isEnabled(), ready);
        if (verdict == QLatin1String("current")) {
            QVERIFY(h.boxes.shown.isEmpty());
            QVERIFY(h.appExit.codes.isEmpty());
        } else if (verdict == QLatin1String("failed")) {
            QCOMPARE(h.boxes.shown.size(), 1);
            QCOMPARE(h.boxes.shown[0].text, QStringLiteral("检测更新失败!请您稍后再试,暂时使用原版"));
            QCOMPARE(h.boxes.shown[0].title, QStringLiteral("Orvo系列软件"));
            QVERIFY(h.boxes.shown[0].icon == BoxIcon::Exclamation);
            QVERIFY(h.appExit.codes.isEmpty());
            QVERIFY(h.shell.opened.isEmpty());
        } else {
            QCOMPARE(h.boxes.shown.size(), 1);
            QCOMPARE(h.boxes.shown[0].title, QStringLiteral("Tiko提示"));
            QCOMPARE(h.boxes.shown[0].text,
                     QStringLiteral("发现最新版本![V3.1]\r\n \r\n确定后自动打开官方论坛!"));
            QCOMPARE(h.shell.opened, QList<QUrl>{h.endpoints.forumUrl});
            QCOMPARE(h.appExit.codes, QList<int>{0});
        }
    }

    // A close asked for while the update check waits is answered once, after the check and its box.
    void closeDuringWait_data()
    {
        QTest::addColumn<bool>("spontaneous"); // from the window system, else by code
        QTest::addColumn<QString>("version");  // the update file; empty: the check fails
        QTest::newRow("window system, check fails") << true << "";
        QTest::newRow("window system, current") << true << "V3.0";
        QTest::newRow("window system, newer") << true << "V3.1";
        QTest::newRow("code, check fails") << false << "";
        QTest::newRow("code, newer") << false << "V3.1";
    }
    void closeDuringWait()
    {
        QFETCH(bool, spontaneous);
        QFETCH(QString, version);
        struct ClosingFetch : ScriptedFetch {
            std::function<void()> during;
            FetchResult get(const QUrl &url) override
            {
                during();
                return ScriptedFetch::get(url);
            }
        } fetch;
        WindowHarness h(WindowHarness::Options{.fetch = &fetch});
        Form1 &w = h.start();
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        fetch.during = [&] {
            if (spontaneous)
                QWindowSystemInterface::handleCloseEvent(w.windowHandle());
            else
                w.close();
        };
        if (!version.isEmpty())
            fetch.answers.enqueue(okAnswer(version));
        // Each box is modal, as a real one is: the window underneath takes no close.
        int open = 0, mostOpen = 0;
        h.boxes.whileOpen = [&] {
            mostOpen = std::max(mostOpen, ++open);
            QDialog modal(&w);
            modal.setModal(true);
            modal.show();
            QCoreApplication::processEvents();
            QCoreApplication::processEvents();
            --open;
        };
        if (version != QLatin1String("V3.0"))
            h.boxes.answers << BoxButton::Ok;
        h.boxes.answers << BoxButton::No;
        w.timer3Tick();
        const QString farewell = QStringLiteral("感谢您对Pell、对Orvo系列的软件的支持!\n \n是否退出并到论坛可以下载更多Orvo系列原创免费软件?");
        QStringList expected;
        if (version != QLatin1String("V3.0"))
            expected << h.boxes.shown.value(0).text;
        if (version != QLatin1String("V3.1"))
            expected << farewell;
        QTRY_COMPARE(h.boxes.shown.size(), expected.size());
        QCoreApplication::processEvents();
        QStringList texts;
        for (const BoxRequest &box : std::as_const(h.boxes.shown))
            texts << box.text;
        QCOMPARE(texts, expected);
        QCOMPARE(mostOpen, 1);
        QCOMPARE(h.appExit.codes.size(), version == QLatin1String("V3.1") ? 1 : 0);
        QCOMPARE(w.isVisible(), version == QLatin1String("V3.1"));
    }

    // F8 reaches the number box from an open drop-down list too, and closes the list.
    void f8FromAnOpenList_data()
    {
        QTest::addColumn<QString>("list");
        QTest::newRow("number box") << "Text1";
        QTest::newRow("company list") << "Combo1";
        QTest::newRow("minute list") << "Combo3";
    }
    void f8FromAnOpenList()
    {
        QFETCH(QString, list);
        WindowHarness h(WindowHarness::Options{.scriptedFetch = true});
        h.writeHistory("555|x\r\n666|y\r\n");
        Form1 &w = h.startReady();
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        auto *box = h.find<QComboBox>(list.toLatin1().constData());
        box->setFocus();
        box->showPopup();
        QTRY_VERIFY(QApplication::activePopupWidget());
        QGuiApplication::clipboard()->setText(QStringLiteral("9876"));
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_F8);
        auto *text1 = h.find<QComboBox>("Text1");
        QCOMPARE(text1->currentText(), QStringLiteral("9876"));
        QTRY_VERIFY(!QApplication::activePopupWidget());
        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(text1->currentText(), QStringLiteral("9876"));
    }

    // The wheel changes a drop-down list only when the list has the focus.
    void wheelNeedsFocus_data()
    {
        QTest::addColumn<QString>("list");
        for (const char *name : {"Text1", "Combo1", "Combo2", "Combo3", "Combo4"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }
    void wheelNeedsFocus()
    {
        QFETCH(QString, list);
        WindowHarness h(WindowHarness::Options{.scriptedFetch = true});
        h.writeHistory("555|x\r\n666|y\r\n");
        Form1 &w = h.startReady();
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        if (list == QLatin1String("Combo4"))
            h.find<QPushButton>("Command10")->click();
        h.selectCompany(5);
        h.typeNumber(QStringLiteral("42"));
        auto *box = h.find<QComboBox>(list.toLatin1().constData());
        auto wheel = [&](int steps) {
            // The window system speaks in device pixels.
            const QPointF at = QPointF(box->mapTo(&w, box->rect().center())) * w.devicePixelRatioF();
            for (int i = 0; i < steps; ++i)
                QWindowSystemInterface::handleWheelEvent(w.windowHandle(), at, at, QPoint(), QPoint(0, -120));
            QCoreApplication::processEvents();
        };
        h.find<QPushButton>("Command1")->setFocus();
        const QString before = box->currentText();
        wheel(2);
        QCOMPARE(box->currentText(), before);
        QVERIFY(!box->hasFocus());
        QCOMPARE(h.find<QComboBox>("Text1")->currentText(), QStringLiteral("42"));
        box->setFocus();
        wheel(1);
        QVERIFY(box->currentText() != before);
    }

    void listClicks()
    {
        WindowHarness h(WindowHarness::Options{.scriptedFetch = true});
        Form1 &w = h.startReady();
        auto *list = h.find<QTreeView>("ListView1");
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));

        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, QPoint(20, 150));
        QCOMPARE(w.messageLine(), QStringLiteral("当前没有物流信息"));
        QVERIFY(!w.listTip());

        h.scripted().answers.enqueue(okAnswer(QStringLiteral(
            "<table><tr><td>T1</td><td>P1 <b>x</b></td></tr><tr><td>T2</td><td>P2</td></tr></table>")));
        h.query(91, QStringLiteral("55"));
        QCOMPARE(h.rowCount(), 2);
        w.setMessageLine(QStringLiteral("unchanged"));

        const QRect second = list->visualRect(list->model()->index(1, 1));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, second.center());
        QVERIFY(w.listTip());
        QCOMPARE(w.listTip()->toolTipTitle(), QStringLiteral("物流跟踪信息"));
        QCOMPARE(w.listTip()->toolTipText(), QStringLiteral("时间:T1\r\n物流进度:P1 <b>x</b>"));
        QVERIFY(list->toolTip().contains(QStringLiteral("P1 &lt;b&gt;x&lt;/b&gt;")));
        QVERIFY(!list->toolTip().contains(QStringLiteral("<b>x")));
        const Class1 *tip = w.listTip();

        const QRect first = list->visualRect(list->model()->index(0, 1));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, first.center());
        QCOMPARE(w.listTip(), tip); // one balloon object serves every click
        QCOMPARE(w.listTip()->toolTipText(), QStringLiteral("时间:T2\r\n物流进度:P2"));
        QCOMPARE(w.messageLine(), QStringLiteral("unchanged"));

        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, QPoint(20, list->viewport()->height() - 5));
        QCOMPARE(w.messageLine(), QStringLiteral("当前没有物流信息"));
        QVERIFY(!list->selectionModel()->hasSelection());
    }

    void headerLock()
    {
        WindowHarness h(WindowHarness::Options{.scriptedFetch = true});
        Form1 &w = h.start();
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        auto *header = h.find<QTreeView>("ListView1")->header();
        const QList<int> widths{96, 133, 347};
        auto current = [&] {
            return QList<int>{header->sectionSize(0), header->sectionSize(1), header->sectionSize(2)};
        };
        QCOMPARE(current(), widths);
        const QPoint divider(header->sectionViewportPosition(1) - 1, header->height() / 2);
        QTest::mousePress(header->viewport(), Qt::LeftButton, {}, divider);
        QTest::mouseMove(header->viewport(), divider + QPoint(60, 0));
        QTest::mouseRelease(header->viewport(), Qt::LeftButton, {}, divider + QPoint(60, 0));
        QTest::mouseDClick(header->viewport(), Qt::LeftButton, {}, divider);
        QCOMPARE(current(), widths);
        QVERIFY(h.find<QTreeView>("ListView1")->editTriggers() == QAbstractItemView::NoEditTriggers);
    }

    void fontAndCaptionsFit()
    {
        WindowHarness h(WindowHarness::Options{.scriptedFetch = true});
        Form1 &w = h.start();
        const QFontInfo info(w.font());
        QCOMPARE(info.family(), QStringLiteral("WenQuanYi Micro Hei"));
        QCOMPARE(info.pixelSize(), 12);

        QStringList tooWide;
        for (QLabel *label : w.findChildren<QLabel *>()) {
            const QFontMetrics fm(label->font());
            if (fm.horizontalAdvance(label->text()) > label->contentsRect().width())
                tooWide << label->objectName();
            if (label->height() < fm.height())
                tooWide << label->objectName() + QStringLiteral(" (height)");
        }
        for (QPushButton *button : w.findChildren<QPushButton *>()) {
            const QFontMetrics fm(button->font());
            if (fm.horizontalAdvance(button->text()) + 4 > button->width())
                tooWide << button->objectName();
        }
        for (QGroupBox *frame : w.findChildren<QGroupBox *>()) {
            const QFontMetrics fm(frame->font());
            if (fm.horizontalAdvance(frame->title()) + 16 > frame->width())
                tooWide << frame->objectName();
        }
        QVERIFY2(tooWide.isEmpty(), qPrintable(tooWide.join(QLatin1String(", "))));
    }

    // Growing a label keeps its vertical centre where it was placed.
    void labelsKeepTheirCentre_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("centreTimesTwo");
        // top*2 + height in pixels, from the placed geometry
        QTest::newRow("Label1") << "Label1" << 2 * 27 + 12;
        QTest::newRow("Label3") << "Label3" << 2 * 16 + 12;
        QTest::newRow("Label7") << "Label7" << 2 * 16 + 12;
        QTest::newRow("Label8") << "Label8" << 2 * 24 + 12;
    }
    void labelsKeepTheirCentre()
    {
        QFETCH(QString, name);
        QFETCH(int, centreTimesTwo);
        WindowHarness h(WindowHarness::Options{.scriptedFetch = true});
        h.start();
        const QLabel *label = h.find<QLabel>(name.toLatin1().constData());
        const int twice = 2 * label->y() + label->height();
        QVERIFY2(qAbs(twice - centreTimesTwo) <= 1, qPrintable(QString::number(twice)));
    }
};

QTEST_MAIN(TestForm1)
#include "test_form1.moc"
