// Every misbehaviour of a server against each of the program's three fetches, over real sockets:
// the call ends within its deadline, the controls come back and the rules' message is given.
#include "outlet/form5.h"
#include "platform/qtwebfetch.h"
#include "tracking/resultparser.h"
#include "windowharness.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <functional>

using namespace Qt::StringLiterals;
using Behaviour = DemoService::Behaviour;
Q_DECLARE_METATYPE(DemoService::Behaviour)

namespace {

constexpr int deadlineMs = 800;
constexpr int marginMs = 700;
constexpr qint64 maxBytes = 1024 * 1024;
constexpr int dripMs = 100;
constexpr int shunfeng = 91;

enum class Fetch { Tracking, Update, Outlet };
// What the rules make of an answer: no usable answer, the answer read as if it had come in
// UTF-8, or the answer read with its NUL bytes kept as characters.
enum class Outcome { Failed, AsUtf8, NulKept };

const QString nul(QChar(u'\0'));

// Runs `call` and tells how long it took and how often the event loop served a timer meanwhile.
struct Timed {
    explicit Timed(const std::function<void()> &call)
    {
        QTimer ticker;
        ticker.setInterval(50);
        QObject::connect(&ticker, &QTimer::timeout, [this] { ++ticks; });
        ticker.start();
        QElapsedTimer clock;
        clock.start();
        call();
        elapsed = clock.elapsed();
    }
    qint64 elapsed = 0;
    int ticks = 0;
};

QString labelTexts(const Form5 &form)
{
    QStringList texts;
    for (const char *name : {"Label2", "Label4", "Label6", "Label8", "Label10", "Label12"})
        texts << form.findChild<QLabel *>(QLatin1String(name))->text();
    return texts.join(u'|');
}

} // namespace

Q_DECLARE_METATYPE(Fetch)
Q_DECLARE_METATYPE(Outcome)

class TestFaults : public QObject {
    Q_OBJECT
private slots:
    void faults_data()
    {
        QTest::addColumn<Fetch>("fetch");
        QTest::addColumn<Behaviour>("behaviour");
        QTest::addColumn<Outcome>("outcome");
        const struct {
            const char *name;
            Behaviour behaviour;
        } faults[] = {
            {"no answer", Behaviour::Hang},       {"drip", Behaviour::Drip},
            {"cut mid-body", Behaviour::Cut},     {"301 loop", Behaviour::MovedLoop},
            {"302 loop", Behaviour::Redirect},    {"404 page", Behaviour::NotFound},
            {"500 page", Behaviour::ServerError}, {"50 MB", Behaviour::Huge},
            {"GBK, no charset", Behaviour::Gbk},  {"NUL bytes", Behaviour::NulBytes},
        };
        const struct {
            const char *name;
            Fetch fetch;
        } fetches[] = {{"tracking", Fetch::Tracking}, {"update", Fetch::Update}, {"outlet", Fetch::Outlet}};
        for (const auto &fetch : fetches) {
            for (const auto &fault : faults) {
                const Outcome outcome = fault.behaviour == Behaviour::Gbk        ? Outcome::AsUtf8
                                        : fault.behaviour == Behaviour::NulBytes ? Outcome::NulKept
                                                                                 : Outcome::Failed;
                QTest::addRow("%s: %s", fetch.name, fault.name) << fetch.fetch << fault.behaviour << outcome;
            }
        }
    }
    void faults()
    {
        QFETCH(Fetch, fetch);
        QFETCH(Behaviour, behaviour);
        QFETCH(Outcome, outcome);
        switch (fetch) {
        case Fetch::Tracking:
            tracking(behaviour, outcome);
            break;
        case Fetch::Update:
            update(behaviour, outcome);
            break;
        case Fetch::Outlet:
            outlet(behaviour, outcome);
            break;
        }
    }

private:
    // The deadline bounds every wait; a wait that runs to it kept the event loop turning.
    static void checkBounded(const Timed &timed, Behaviour behaviour)
    {
        QVERIFY2(timed.elapsed < deadlineMs + marginMs, qPrintable(u"took %1 ms"_s.arg(timed.elapsed)));
        if (behaviour == Behaviour::Hang || behaviour == Behaviour::Drip) {
            QVERIFY2(timed.elapsed >= deadlineMs - 20, qPrintable(u"took %1 ms"_s.arg(timed.elapsed)));
            QVERIFY2(timed.ticks >= 8, qPrintable(u"%1 timer ticks while waiting"_s.arg(timed.ticks)));
        }
    }

    static void tracking(Behaviour behaviour, Outcome outcome)
    {
        WindowHarness h(WindowHarness::Options{.deadlineMs = deadlineMs, .maxBytes = maxBytes});
        h.service().setDripInterval(dripMs);
        Form1 &w = h.startReady();
        h.query(shunfeng, u"1234567890"_s);
        const QByteArray history = h.historyBytes();

        h.service().setTrackingBehaviour(behaviour);
        const QString number = u"9876543210"_s;
        const Timed timed([&] { h.query(shunfeng, number); });
        checkBounded(timed, behaviour);
        QVERIFY(h.find<QPushButton>("Command1")->isEnabled());
        QVERIFY(h.find<QComboBox>("Text1")->isEnabled());
        if (outcome == Outcome::Failed) {
            QCOMPARE(w.messageLine(), u"查询失败,请检查网络后重试!"_s);
            QCOMPARE(h.historyBytes(), history);
            QCOMPARE(h.find<QComboBox>("Text1")->currentText(), number);
            return;
        }
        const QList<ResultRow> rows = ResultParser::parse(h.service().trackingAnswer(u"shunfeng"_s, number));
        QCOMPARE(w.messageLine(), u"查询完毕..."_s);
        QCOMPARE(h.rowCount(), rows.size());
        const QString mark = outcome == Outcome::NulKept ? nul : QString();
        for (int i = 0; i < rows.size(); ++i) {
            QCOMPARE(h.cell(i, 1), mark + rows.at(rows.size() - 1 - i).time);
            QCOMPARE(h.cell(i, 2), mark + rows.at(rows.size() - 1 - i).progress);
        }
        QCOMPARE(h.find<QLabel>("Label3")->text(), u"快件状态：派件中"_s);
        QVERIFY(h.historyBytes().startsWith(history));
        QVERIFY(h.historyBytes().size() > history.size());
    }

    static void update(Behaviour behaviour, Outcome outcome)
    {
        WindowHarness h(WindowHarness::Options{.deadlineMs = deadlineMs, .maxBytes = maxBytes});
        h.service().setDripInterval(dripMs);
        // Trailing blanks do not count, and keep a dripped answer going past the deadline.
        h.service().setUpdateAnswer("V3.0" + QByteArray(16, ' '));
        h.service().setUpdateBehaviour(behaviour);
        Form1 &w = h.start();
        QVERIFY(!h.find<QPushButton>("Command1")->isEnabled());
        QStringList linesWhileBoxOpen;
        h.boxes.whileOpen = [&] { linesWhileBoxOpen << w.messageLine(); };

        const Timed timed([&] { w.timer3Tick(); });
        checkBounded(timed, behaviour);
        QCOMPARE(h.service().lastRequestTarget(), QByteArray("/orvoupd/zephyr/jc.txt"));
        QCOMPARE(w.messageLine(), u"程序已加载完毕..."_s);
        // A version holding a NUL is no version: the check fails like any other bad answer.
        QVERIFY(h.find<QPushButton>("Command1")->isEnabled());
        QVERIFY(h.find<QComboBox>("Text1")->isEnabled());
        QVERIFY(h.appExit.codes.isEmpty());
        if (outcome == Outcome::AsUtf8) {
            QVERIFY(h.boxes.shown.isEmpty());
            return;
        }
        QCOMPARE(h.boxes.shown.size(), 1);
        QCOMPARE(h.boxes.shown[0].text, u"检测更新失败!请您稍后再试,暂时使用原版"_s);
        QVERIFY(h.boxes.shown[0].icon == BoxIcon::Exclamation);
        QVERIFY(linesWhileBoxOpen.value(0) != u"程序已加载完毕..."_s); // the box comes first
    }

    static void outlet(Behaviour behaviour, Outcome outcome)
    {
        DemoService service;
        QVERIFY(service.listen() != 0);
        service.setDripInterval(dripMs);
        service.setOutletBehaviour(behaviour);
        QtWebFetch fetch(deadlineMs, maxBytes);
        FakeMessageBoxes boxes;
        Form5 form(fetch, service.hostAndPort(), boxes);
        form.show();
        auto *command1 = form.findChild<QPushButton *>(u"Command1"_s);
        form.findChild<QLineEdit *>(u"Text1"_s)->setText(u"浦东"_s);
        bool enabledDuringWait = true;
        QTimer::singleShot(200, &form, [&] { enabledDuringWait = command1->isEnabled(); });

        const Timed timed([&] { command1->click(); });
        checkBounded(timed, behaviour);
        if (behaviour == Behaviour::Hang || behaviour == Behaviour::Drip)
            QVERIFY(!enabledDuringWait); // no second query while one waits
        QVERIFY(command1->isEnabled());
        QCOMPARE(service.lastRequestTarget(), QByteArray("/query_list.asp?name=%E6%B5%A6%E4%B8%9C"));
        if (outcome == Outcome::Failed) {
            QCOMPARE(labelTexts(form), u"未查询|未查询|未查询|未查询|未查询|未查询"_s);
            QCOMPARE(form.statusText(), u"您查询的网点不存在!"_s);
            QCOMPARE(boxes.shown.size(), 1);
            QCOMPARE(boxes.shown[0].text, u"您查询的网点不存在!"_s);
            return;
        }
        const QString mark = outcome == Outcome::NulKept ? nul : QString();
        const QStringList values = {u"浦东张江营业部"_s,         u"张伟"_s,
                                    u"申通快递上海浦东分公司"_s, u"021-58951234"_s,
                                    u"张江镇、川沙新镇、唐镇"_s, u"合庆镇、曹路镇"_s};
        QCOMPARE(labelTexts(form), mark + values.join(u'|' + mark));
        QCOMPARE(form.statusText(), u"请输入要查询的网点名称"_s);
        QVERIFY(boxes.shown.isEmpty());
    }
};

QTEST_MAIN(TestFaults)
#include "test_faults.moc"
