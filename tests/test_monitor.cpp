// The scheduled and loop query panels, driven through the real window against the demo service.
#include "app/appfont.h"
#include "monitor/looppanel.h"
#include "monitor/schedulepanel.h"
#include "tracking/resultparser.h"
#include "windowharness.h"

#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>

namespace {
constexpr int shunfeng = 91;
const QString signedNumber = QStringLiteral("1234567890");
const QString boxTitle = QStringLiteral("Orvo系列软件");

void prepare(WindowHarness &h)
{
    h.startReady();
    h.selectCompany(shunfeng);
    h.typeNumber(signedNumber);
}

// Names of the controls an armed panel locks whose enabled state is not `enabled`.
QStringList lockMismatches(WindowHarness &h, bool loop, bool enabled)
{
    QStringList names = {"Text1", "Combo1", "Command9", "Command7", "Command2"};
    names += loop ? QStringList{"Combo4"} : QStringList{"Combo2", "Combo3"};
    QStringList wrong;
    for (const QString &name : std::as_const(names)) {
        if (h.find<QWidget>(qPrintable(name))->isEnabled() != enabled)
            wrong.append(name);
    }
    return wrong;
}

int signedRows(WindowHarness &h)
{
    return ResultParser::parse(h.service().trackingAnswer(QStringLiteral("shunfeng"), signedNumber)).size();
}

// A box's fields in one line, so that a comparison shows every difference at once.
QString describe(const BoxRequest &box)
{
    return QStringLiteral("%1 | %2 | icon %3 | buttons %4 | default %5")
        .arg(box.title, box.text)
        .arg(int(box.icon))
        .arg(box.buttons)
        .arg(int(box.defaultButton));
}

QDateTime at(int day, int hour, int minute, int second = 0)
{
    return QDateTime(QDate(2026, 12, day), QTime(hour, minute, second));
}
} // namespace

class TestMonitor : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { applyApplicationFont(); }

    void armingRefusals_data()
    {
        QTest::addColumn<bool>("loop");
        QTest::addColumn<int>("company");
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("emptyList");
        QTest::addColumn<QString>("text");
        const QString schedule = QStringLiteral("请先查询单号后在使用定时功能!");
        const QString loop = QStringLiteral("请先查询单号后在使用本功能!");
        const QString none;
        QTest::newRow("schedule, no number") << false << shunfeng << none << none << schedule;
        QTest::newRow("schedule, no company") << false << -1 << signedNumber << none << schedule;
        QTest::newRow("schedule, neither") << false << -1 << none << none << schedule;
        QTest::newRow("schedule, no hour") << false << shunfeng << signedNumber << "Combo2"
                                           << "请设定查询时间!";
        QTest::newRow("schedule, no minute") << false << shunfeng << signedNumber << "Combo3"
                                             << "请设定查询时间!";
        QTest::newRow("loop, no number") << true << shunfeng << none << none << loop;
        QTest::newRow("loop, no company") << true << -1 << signedNumber << none << loop;
        QTest::newRow("loop, neither") << true << -1 << none << none << loop;
        QTest::newRow("loop, no interval") << true << shunfeng << signedNumber << "Combo4"
                                           << "请先设定时间!";
    }
    void armingRefusals()
    {
        QFETCH(bool, loop);
        QFETCH(int, company);
        QFETCH(QString, number);
        QFETCH(QString, emptyList);
        QFETCH(QString, text);
        WindowHarness h;
        h.startReady();
        h.selectCompany(company);
        h.typeNumber(number);
        h.find<QComboBox>("Combo4")->setCurrentIndex(4); // only the list named by the row is empty
        if (!emptyList.isEmpty())
            h.find<QComboBox>(qPrintable(emptyList))->setCurrentIndex(-1);
        auto *button = h.find<QPushButton>(loop ? "Command5" : "Command8");
        const QString caption = button->text();
        const qsizetype boxes = h.boxes.shown.size();
        button->click();
        QCOMPARE(h.boxes.shown.size(), boxes + 1);
        QCOMPARE(describe(h.boxes.shown.last()),
                 describe({boxTitle, text, BoxIcon::Information, BoxButton::Ok}));
        QCOMPARE(button->text(), caption);
        QVERIFY(!h.find<QTimer>(loop ? "Timer6" : "Timer4")->isActive());
        QCOMPARE(lockMismatches(h, loop, true), QStringList());
    }

    void armAndDisarm_data()
    {
        QTest::addColumn<bool>("loop");
        QTest::addColumn<QString>("disarmed");
        QTest::addColumn<QString>("armed");
        QTest::addColumn<int>("interval");
        QTest::newRow("schedule") << false << QStringLiteral("开始定时") << QStringLiteral("关闭定时")
                                  << 1000;
        QTest::newRow("loop") << true << QStringLiteral("开始循环") << QStringLiteral("停止循环") << 60000;
    }
    void armAndDisarm()
    {
        QFETCH(bool, loop);
        QFETCH(QString, disarmed);
        QFETCH(QString, armed);
        QFETCH(int, interval);
        WindowHarness h;
        prepare(h);
        QCOMPARE(h.find<QComboBox>("Combo2")->currentText(), QStringLiteral("0"));
        QCOMPARE(h.find<QComboBox>("Combo3")->currentText(), QStringLiteral("0"));
        QCOMPARE(h.find<QComboBox>("Combo4")->currentIndex(), -1);
        h.find<QComboBox>("Combo4")->setCurrentIndex(9);
        auto *button = h.find<QPushButton>(loop ? "Command5" : "Command8");
        auto *timer = h.find<QTimer>(loop ? "Timer6" : "Timer4");
        auto *command1 = h.find<QPushButton>("Command1");
        QCOMPARE(button->text(), disarmed);
        for (const bool on : {true, false}) {
            button->click();
            QCOMPARE(button->text(), on ? armed : disarmed);
            QCOMPARE(timer->isActive(), on);
            QCOMPARE(lockMismatches(h, loop, !on), QStringList());
            QVERIFY(button->isEnabled());
            QVERIFY(command1->isEnabled());
        }
        QCOMPARE(timer->interval(), interval);
        QVERIFY(h.boxes.shown.isEmpty());
    }

    // Every tick but the last must leave the schedule waiting; the last one fires it.
    void scheduleFiring_data()
    {
        QTest::addColumn<int>("hour");
        QTest::addColumn<int>("minute");
        QTest::addColumn<QDateTime>("armedAt");
        QTest::addColumn<QList<QDateTime>>("ticks");
        QTest::newRow("reaches the minute")
            << 9 << 30 << at(6, 9, 29) << QList<QDateTime>{at(6, 9, 29), at(6, 9, 29, 59), at(6, 9, 30)};
        QTest::newRow("last second of the minute")
            << 9 << 30 << at(6, 9, 29) << QList<QDateTime>{at(6, 9, 29, 59), at(6, 9, 30, 59)};
        QTest::newRow("clock jumps over the minute")
            << 9 << 30 << at(6, 9, 29)
            << QList<QDateTime>{at(6, 9, 29, 30), at(6, 9, 31), at(6, 10, 30), at(7, 8, 30), at(7, 9, 30)};
        QTest::newRow("midnight presets")
            << 0 << 0 << at(6, 14, 5) << QList<QDateTime>{at(6, 14, 5), at(6, 23, 59, 59), at(7, 0, 0)};
        QTest::newRow("armed during the minute")
            << 14 << 5 << at(6, 14, 5, 30) << QList<QDateTime>{at(6, 14, 5, 30)};
    }
    void scheduleFiring()
    {
        QFETCH(int, hour);
        QFETCH(int, minute);
        QFETCH(QDateTime, armedAt);
        QFETCH(QList<QDateTime>, ticks);
        WindowHarness h;
        prepare(h);
        auto *panel = h.find<SchedulePanel>("Frame4");
        h.find<QComboBox>("Combo2")->setCurrentIndex(hour);
        h.find<QComboBox>("Combo3")->setCurrentIndex(minute);
        h.clock.current = armedAt;
        panel->command8Click();
        const int before = h.service().requestCount();
        for (const QDateTime &tick : ticks.first(ticks.size() - 1)) {
            h.clock.current = tick;
            panel->timer4Tick();
            QVERIFY2(h.service().requestCount() == before, qPrintable(tick.toString()));
            QVERIFY2(panel->isArmed(), qPrintable(tick.toString()));
        }
        h.clock.current = ticks.last();
        panel->timer4Tick();
        QCOMPARE(h.service().requestCount(), before + 1);
        QVERIFY(h.finishParse());
        QCOMPARE(h.rowCount(), signedRows(h));
        QCOMPARE(h.find<QPushButton>("Command8")->text(), QStringLiteral("开始定时"));
        QVERIFY(!h.find<QTimer>("Timer4")->isActive());
        QCOMPARE(lockMismatches(h, false, true), QStringList());

        panel->timer4Tick(); // the same minute again: a schedule fires once
        QCOMPARE(h.service().requestCount(), before + 1);
    }

    void loopCounting_data()
    {
        QTest::addColumn<int>("minutes");
        QTest::newRow("every minute") << 1;
        QTest::newRow("every 360 minutes") << 360;
    }
    void loopCounting()
    {
        QFETCH(int, minutes);
        WindowHarness h;
        prepare(h);
        auto *panel = h.find<LoopPanel>("Frame6");
        h.find<QComboBox>("Combo4")->setCurrentIndex(minutes - 1);
        panel->command5Click();
        const int before = h.service().requestCount();
        for (int round = 1; round <= 2; ++round) {
            for (int minute = 1; minute < minutes; ++minute) {
                panel->timer6Tick();
                QCOMPARE(panel->loopMinuteCount(), minute);
            }
            QCOMPARE(h.service().requestCount(), before + round - 1);
            panel->timer6Tick();
            QCOMPARE(h.service().requestCount(), before + round);
            QCOMPARE(panel->loopMinuteCount(), 0);
            QVERIFY(h.finishParse());
        }
        QCOMPARE(h.rowCount(), signedRows(h));
        QVERIFY(panel->isArmed());
        QVERIFY(h.find<QTimer>("Timer6")->isActive());
    }

    void loopCountAfterRestartAndManualQuery()
    {
        WindowHarness h;
        prepare(h);
        Form1 &w = h.window();
        auto *panel = h.find<LoopPanel>("Frame6");
        h.find<QComboBox>("Combo4")->setCurrentIndex(2); // every 3 minutes
        panel->command5Click();
        const int before = h.service().requestCount();
        panel->timer6Tick();
        panel->timer6Tick();
        panel->command5Click();
        panel->command5Click();
        QCOMPARE(panel->loopMinuteCount(), 0);
        panel->timer6Tick();
        panel->timer6Tick();
        QCOMPARE(h.service().requestCount(), before);
        w.command1Click();
        h.finishParse();
        QCOMPARE(h.service().requestCount(), before + 1);
        QCOMPARE(panel->loopMinuteCount(), 2);
        panel->timer6Tick();
        QCOMPARE(h.service().requestCount(), before + 2);
        QCOMPARE(panel->loopMinuteCount(), 0);
    }

    // The fetch waits in an event loop, so the panels' timers keep ticking until the deadline.
    void slowAnswer_data()
    {
        QTest::addColumn<bool>("loop");
        QTest::addColumn<bool>("manual"); // the query button starts the query, after one loop minute
        QTest::addColumn<int>("countAfter");
        QTest::newRow("scheduled") << false << false << 0;
        QTest::newRow("loop") << true << false << 0;
        QTest::newRow("manual query while looping") << true << true << 1;
    }
    void slowAnswer()
    {
        QFETCH(bool, loop);
        QFETCH(bool, manual);
        QFETCH(int, countAfter);
        WindowHarness h(WindowHarness::Options{.deadlineMs = 1500});
        prepare(h);
        Form1 &w = h.window();
        h.service().setTrackingBehaviour(DemoService::Behaviour::Hang);
        auto *schedule = h.find<SchedulePanel>("Frame4");
        auto *loopPanel = h.find<LoopPanel>("Frame6");
        auto *timer6 = h.find<QTimer>("Timer6");
        h.clock.current = at(6, 9, 30);
        h.find<QComboBox>("Combo2")->setCurrentIndex(9);
        h.find<QComboBox>("Combo3")->setCurrentIndex(30);
        h.find<QComboBox>("Combo4")->setCurrentIndex(manual ? 1 : 0);
        timer6->setInterval(200); // a minute would never pass inside the wait
        loop ? loopPanel->command5Click() : schedule->command8Click();
        if (manual)
            loopPanel->timer6Tick();
        const int before = h.service().requestCount();
        QSignalSpy loopTicks(timer6, &QTimer::timeout);
        manual ? w.command1Click() : loop ? loopPanel->timer6Tick() : schedule->timer4Tick();
        QCOMPARE(h.service().requestCount(), before + 1);
        QCOMPARE(w.messageLine(), QStringLiteral("查询失败,请检查网络后重试!"));
        QVERIFY(h.find<QPushButton>("Command1")->isEnabled());
        if (loop) {
            QVERIFY(loopTicks.size() > 0);
            QVERIFY(loopPanel->isArmed());
            QVERIFY(timer6->isActive());
            QCOMPARE(loopPanel->loopMinuteCount(), countAfter);
            QCOMPARE(lockMismatches(h, true, false), QStringList());
            return;
        }
        QVERIFY(!schedule->isArmed());
        QVERIFY(!h.find<QTimer>("Timer4")->isActive());
        QCOMPARE(lockMismatches(h, false, true), QStringList());
        QTest::qWait(1200); // still 9:30: a schedule left armed would fire again
        QVERIFY(!schedule->isArmed());
        QCOMPARE(h.service().requestCount(), before + 1);
    }

    void panelSwitches_data()
    {
        QTest::addColumn<bool>("fromLoop");
        QTest::addColumn<bool>("armed");
        QTest::addColumn<int>("answer");
        QTest::newRow("schedule, disarmed") << false << false << int(BoxButton::NoButton);
        QTest::newRow("schedule, armed, No") << false << true << int(BoxButton::No);
        QTest::newRow("schedule, armed, Yes") << false << true << int(BoxButton::Yes);
        QTest::newRow("loop, disarmed") << true << false << int(BoxButton::NoButton);
        QTest::newRow("loop, armed, No") << true << true << int(BoxButton::No);
        QTest::newRow("loop, armed, Yes") << true << true << int(BoxButton::Yes);
    }
    void panelSwitches()
    {
        QFETCH(bool, fromLoop);
        QFETCH(bool, armed);
        QFETCH(int, answer);
        WindowHarness h;
        prepare(h);
        auto *schedule = h.find<SchedulePanel>("Frame4");
        auto *loop = h.find<LoopPanel>("Frame6");
        const QPoint home = schedule->pos();
        h.find<QComboBox>("Combo4")->setCurrentIndex(4);
        if (fromLoop)
            schedule->command10Click();
        QWidget *current = fromLoop ? static_cast<QWidget *>(loop) : schedule;
        QWidget *other = fromLoop ? static_cast<QWidget *>(schedule) : loop;
        auto *timer = h.find<QTimer>(fromLoop ? "Timer6" : "Timer4");
        auto isArmed = [&] { return fromLoop ? loop->isArmed() : schedule->isArmed(); };
        if (armed)
            fromLoop ? loop->command5Click() : schedule->command8Click();
        loop->timer6Tick(); // a count that a refused switch must keep
        loop->timer6Tick();
        const int count = loop->loopMinuteCount();
        const qsizetype boxes = h.boxes.shown.size();
        if (answer != BoxButton::NoButton)
            h.boxes.answers.enqueue(BoxButton(answer));
        fromLoop ? loop->command11Click() : schedule->command10Click();
        QCOMPARE(h.boxes.shown.size(), boxes + (armed ? 1 : 0));
        if (armed) {
            const QString text = fromLoop ? QStringLiteral("当前正在循环查询,是否终止?")
                                          : QStringLiteral("当前正在定时查询,是否终止?");
            QCOMPARE(describe(h.boxes.shown.last()),
                     describe({boxTitle, text, BoxIcon::Information, BoxButton::Yes | BoxButton::No,
                               BoxButton::Yes}));
        }
        const bool leaves = answer != BoxButton::No;
        QCOMPARE(isArmed(), !leaves);
        QCOMPARE(timer->isActive(), !leaves);
        QCOMPARE(loop->loopMinuteCount(), leaves ? 0 : count);
        QCOMPARE(lockMismatches(h, fromLoop, leaves), QStringList());
        QCOMPARE(current->isHidden(), leaves);
        QCOMPARE(other->isHidden(), !leaves);
        QCOMPARE((leaves ? other : current)->pos(), home);
        if (!leaves)
            return;
        fromLoop ? schedule->command10Click() : loop->command11Click();
        QCOMPARE(h.boxes.shown.size(), boxes + (armed ? 1 : 0));
        QVERIFY(!current->isHidden());
        QVERIFY(other->isHidden());
        QCOMPARE(current->pos(), home);
    }
};

QTEST_MAIN(TestMonitor)
#include "test_monitor.moc"
