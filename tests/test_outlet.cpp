#include "demoservice.h"
#include "fakeplatform.h"
#include "outlet/form5.h"
#include "outlet/outletname.h"
#include "platform/qtwebfetch.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <memory>

using namespace Qt::StringLiterals;
using Behaviour = DemoService::Behaviour;
Q_DECLARE_METATYPE(DemoService::Behaviour)

namespace {

const QString startStatus = u"请输入要查询的网点名称"_s;
const QString notFound = u"您查询的网点不存在!"_s;
const QStringList notQueried(6, u"未查询"_s);
const QStringList pudong = {u"浦东张江营业部"_s,         u"张伟"_s,
                            u"申通快递上海浦东分公司"_s, u"021-58951234"_s,
                            u"张江镇、川沙新镇、唐镇"_s, u"合庆镇、曹路镇"_s};

// The boxes shown, one line each: title, icon, buttons, text.
QString boxes(const FakeMessageBoxes &fake)
{
    QStringList lines;
    for (const BoxRequest &box : fake.shown)
        lines << u"%1|%2|%3|%4"_s.arg(box.title).arg(int(box.icon)).arg(box.buttons).arg(box.text);
    return lines.join(u'\n');
}

QString infoBox(const QString &text)
{
    return u"Orvo系列软件|%1|%2|"_s.arg(int(BoxIcon::Information)).arg(int(BoxButton::Ok)) + text;
}

// One opening of the dialog against the demo service.
struct Session {
    Session(DemoService &service, WebFetch &fetch)
        : form(std::make_unique<Form5>(fetch, service.hostAndPort(), boxes))
    {
        form->show();
    }
    template <typename T> T *find(const char *name) const
    {
        return form->findChild<T *>(QLatin1String(name));
    }
    void query(const QString &name)
    {
        find<QLineEdit>("Text1")->setText(name);
        find<QPushButton>("Command1")->click(); // returns when the answer is in
    }
    QStringList values() const
    {
        QStringList texts;
        for (const char *name : {"Label2", "Label4", "Label6", "Label8", "Label10", "Label12"}) {
            const QLabel *label = find<QLabel>(name);
            texts << (label->textFormat() == Qt::PlainText ? label->text() : u"(not plain text)"_s);
        }
        return texts;
    }
    QStringList fields() const { return {form->outletFields().begin(), form->outletFields().end()}; }

    FakeMessageBoxes boxes;
    std::unique_ptr<Form5> form;
};

} // namespace

class TestOutlet : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(m_service.listen() != 0); }
    void init() { m_service.setOutletBehaviour(Behaviour::Normal); }

    void query_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<Behaviour>("behaviour");
        QTest::addColumn<QStringList>("values"); // empty: the not-found path
        QTest::newRow("found, typed with spaces") << u" 浦东  "_s << Behaviour::Normal << pudong;
        QTest::newRow("markup shown as characters")
            << u"标记"_s << Behaviour::Normal
            << QStringList{u"<b>王b>家营业部"_s,          u"<a href=x>李强"_s,          u"<i>申通i>"_s,
                           u"<img src=x>0571-88001122"_s, u"<script>alert(1)script>"_s, u"&lt;无&gt;"_s};
        QTest::newRow("td in a value empties later cells")
            << u"外企"_s << Behaviour::Normal
            << QStringList{u"外高桥营业部"_s, u"Eastwind L"_s, "", "", "", ""};
        QTest::newRow("GBK answer") << u"浦东"_s << Behaviour::Gbk << pudong;
        QTest::newRow("unknown outlet") << u"无此网点"_s << Behaviour::Normal << QStringList();
        QTest::newRow("delimiters reach the page")
            << u"浦东&name=x #1+%"_s << Behaviour::Normal << QStringList();
        QTest::newRow("spaces only") << u"   "_s << Behaviour::Normal << QStringList();
        QTest::newRow("404 page") << u"浦东"_s << Behaviour::NotFound << QStringList();
        QTest::newRow("empty answer") << u"浦东"_s << Behaviour::Empty << QStringList();
        QTest::newRow("too large") << u"浦东"_s << Behaviour::Huge << QStringList();
    }
    void query()
    {
        QFETCH(QString, typed);
        QFETCH(Behaviour, behaviour);
        QFETCH(QStringList, values);
        m_service.setOutletBehaviour(behaviour);
        QtWebFetch fetch(2000, 1024 * 1024);
        Session s(m_service, fetch);
        s.query(typed);

        const QByteArray target = m_service.lastRequestTarget();
        QVERIFY(target.startsWith("/query_list.asp?name="));
        QCOMPARE(QUrl::fromPercentEncoding(target.mid(target.indexOf('=') + 1)), typed.trimmed());
        QCOMPARE(s.form->encodedOutletName(), UTF8_URLEncoding(typed).trimmed());
        QVERIFY(s.find<QPushButton>("Command1")->isEnabled());
        const bool found = !values.isEmpty();
        QCOMPARE(s.values(), found ? values : notQueried);
        QCOMPARE(s.fields(), found ? values : QStringList(6, QString()));
        QCOMPARE(s.form->statusText(), found ? startStatus : notFound);
        QCOMPARE(boxes(s.boxes), found ? QString() : infoBox(notFound));
    }

    void emptyNameBox()
    {
        QtWebFetch fetch(2000, 1024 * 1024);
        Session s(m_service, fetch);
        const int requests = m_service.requestCount();
        s.query(QString());
        QCOMPARE(s.form->statusText(), u"请输入您要查询的站点.."_s);
        QCOMPARE(m_service.requestCount(), requests);
        QCOMPARE(boxes(s.boxes), QString());
        s.query(u"浦东"_s); // a success leaves that text standing
        QCOMPARE(s.form->statusText(), u"请输入您要查询的站点.."_s);
    }

    void label10Click_data()
    {
        QTest::addColumn<QStringList>("queries");
        QTest::addColumn<bool>("boxShown");
        QTest::newRow("before any query") << QStringList() << false;
        QTest::newRow("long delivery area") << QStringList{u"长区"_s} << true;
        QTest::newRow("after a query that found nothing") << QStringList{u"长区"_s, u"无此网点"_s} << false;
    }
    void label10Click()
    {
        QFETCH(QStringList, queries);
        QFETCH(bool, boxShown);
        QtWebFetch fetch(2000, 1024 * 1024);
        Session s(m_service, fetch);
        for (const QString &name : queries)
            s.query(name);
        s.boxes.shown.clear();
        auto *label10 = s.find<QLabel>("Label10");
        QCOMPARE(label10->cursor().shape(), Qt::PointingHandCursor);
        QTest::mouseClick(label10, Qt::LeftButton);
        QCOMPARE(boxes(s.boxes), boxShown ? infoBox(s.fields()[4]) : QString());
        if (boxShown) // shown whole, longer than the label
            QVERIFY(s.fields()[4].size() > 300 && s.fields()[4] == label10->text());
    }

    void neverAnswers()
    {
        m_service.setOutletBehaviour(Behaviour::Hang);
        QtWebFetch fetch(700, 1024 * 1024);
        Session s(m_service, fetch);
        auto *command1 = s.find<QPushButton>("Command1");
        bool enabledDuringWait = true;
        QTimer::singleShot(200, s.form.get(), [&] { enabledDuringWait = command1->isEnabled(); });
        QElapsedTimer clock;
        clock.start();
        s.query(u"浦东"_s);
        QVERIFY(clock.elapsed() >= 650);
        QVERIFY(!enabledDuringWait);
        QVERIFY(command1->isEnabled());
        QCOMPARE(s.form->statusText(), notFound);
        QCOMPARE(boxes(s.boxes), infoBox(notFound));
    }

    void closeDuringFetch_data()
    {
        QTest::addColumn<bool>("destroy");
        QTest::newRow("closed") << false;
        QTest::newRow("destroyed") << true;
    }
    void closeDuringFetch()
    {
        QFETCH(bool, destroy);
        QtWebFetch fetch(5000, 1024 * 1024);
        Session s(m_service, fetch);
        s.query(u"浦东"_s);
        m_service.setOutletBehaviour(Behaviour::Hang);
        QTimer::singleShot(200, [&] { destroy ? s.form.reset() : void(s.form->close()); });
        QElapsedTimer clock;
        clock.start();
        s.query(u"长区"_s); // the page never answers; the closing ends the wait
        QVERIFY(clock.elapsed() < 3000);
        QCOMPARE(boxes(s.boxes), QString());
        if (!destroy) { // the reset ran, and the abandoned query wrote nothing
            QVERIFY(!s.form->isVisible());
            QCOMPARE(s.fields(), QStringList(6, QString()));
            QCOMPARE(s.values(), pudong);
            QCOMPARE(s.form->statusText(), startStatus);
        }

        // Opened again, the dialog starts fresh and the same fetch serves it.
        m_service.setOutletBehaviour(Behaviour::Normal);
        Session again(m_service, fetch);
        QCOMPARE(again.values(), notQueried);
        QCOMPARE(again.form->statusText(), startStatus);
        QVERIFY(again.form->encodedOutletName().isEmpty());
        QTest::mouseClick(again.find<QLabel>("Label10"), Qt::LeftButton);
        QCOMPARE(boxes(again.boxes), QString());
        again.query(u"浦东"_s);
        QCOMPARE(again.values(), pudong);
    }

private:
    DemoService m_service;
};

QTEST_MAIN(TestOutlet)
#include "test_outlet.moc"
