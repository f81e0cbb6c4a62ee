#include "demoservice.h"
#include "platform/qtwebfetch.h"
#include "tracking/catalogue.h"
#include "tracking/trackingrequest.h"

#include <QElapsedTimer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QUrlQuery>
#include <iterator>
#include <memory>
#include <sys/resource.h>
#include <vector>

Q_DECLARE_METATYPE(FetchResult::Outcome)

namespace {

constexpr int deadlineMs = 1500;
constexpr qint64 maxBytes = 1024 * 1024;
constexpr int dripMs = 100;
constexpr int slackMs = 1500; // scheduling margin on a loaded machine

double processCpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval &t) { return double(t.tv_sec) + double(t.tv_usec) / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

} // namespace

class TestWebFetch : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void fetch_data();
    void fetch();
    void refusedConnection();
    void serviceAnswers_data();
    void serviceAnswers();
    void growingParcel_data();
    void growingParcel();
    void idleWaitCostsNoCpu();
    void fetchAfterTimeoutWorks();
    void otherConnectionsDoNotBlock();

private:
    QUrl trackingUrl(const QString &number, const QString &key = TrackingRequest::accessKey,
                     const QString &company = Catalogue::code(0)) const;
    QUrl url(const QString &pathAndQuery) const;

    std::unique_ptr<DemoService> m_service;
};

void TestWebFetch::initTestCase()
{
    m_service = std::make_unique<DemoService>();
    m_service->setDripInterval(dripMs);
    QVERIFY(m_service->listen(0) != 0);
}

QUrl TestWebFetch::trackingUrl(const QString &number, const QString &key, const QString &company) const
{
    QUrlQuery query;
    query.addQueryItem(QStringLiteral("com"), company);
    query.addQueryItem(QStringLiteral("nu"), number);
    query.addQueryItem(QStringLiteral("id"), key);
    query.addQueryItem(QStringLiteral("type"), QStringLiteral("html"));
    QUrl address = url(QStringLiteral("/"));
    address.setQuery(query);
    return address;
}

QUrl TestWebFetch::url(const QString &pathAndQuery) const
{
    return QUrl(QStringLiteral("http://") + m_service->hostAndPort() + pathAndQuery);
}

void TestWebFetch::fetch_data()
{
    QTest::addColumn<QUrl>("address");
    QTest::addColumn<FetchResult::Outcome>("outcome");
    QTest::addColumn<int>("status");   // -1: not checked
    QTest::addColumn<QString>("body"); // null: not checked

    using O = FetchResult::Outcome;
    const QString signedParcel = m_service->trackingAnswer(Catalogue::code(0), QStringLiteral("1234567890"));
    QVERIFY(signedParcel.contains(QStringLiteral("<tr><td>")));
    QVERIFY(signedParcel.contains(QStringLiteral("已签收")));

    QTest::newRow("signed parcel") << trackingUrl("1234567890") << O::Ok << 200 << signedParcel;
    QTest::newRow("hang") << trackingUrl("hang") << O::Timeout << -1 << QString();
    QTest::newRow("drip") << trackingUrl("drip") << O::Timeout << -1 << QString();
    QTest::newRow("cut") << trackingUrl("cut") << O::NetworkError << -1 << QString();
    QTest::newRow("404") << trackingUrl("e404") << O::HttpError << 404 << QString();
    QTest::newRow("500") << trackingUrl("e500") << O::HttpError << 500 << QString();
    QTest::newRow("huge") << trackingUrl("huge") << O::TooLarge << -1 << QString();
    QTest::newRow("empty") << trackingUrl("empty") << O::Ok << 200 << QString("");
    QTest::newRow("gbk without charset") << trackingUrl("gbk") << O::Ok << 200 << signedParcel;
    QTest::newRow("redirect loop") << trackingUrl("redirect") << O::NetworkError << -1 << QString();
    QTest::newRow("unknown route") << url("/nowhere.html") << O::HttpError << 404 << QString();
    QTest::newRow("update file") << url("/orvoupd/zephyr/jc.txt") << O::Ok << 200 << QString("V3.0");
}

void TestWebFetch::fetch()
{
    QFETCH(QUrl, address);
    QFETCH(FetchResult::Outcome, outcome);
    QFETCH(int, status);
    QFETCH(QString, body);

    QtWebFetch web(deadlineMs, maxBytes);
    QElapsedTimer clock;
    clock.start();
    const FetchResult result = web.get(address);
    const qint64 elapsed = clock.elapsed();

    QCOMPARE(result.outcome, outcome);
    QCOMPARE(result.ok(), outcome == FetchResult::Outcome::Ok);
    if (status >= 0)
        QCOMPARE(result.httpStatus, status);
    if (!body.isNull())
        QCOMPARE(result.body, body);
    if (outcome == FetchResult::Outcome::HttpError)
        QVERIFY(!result.body.isEmpty()); // the error page is still read
    if (outcome == FetchResult::Outcome::Timeout) {
        // A total deadline, not an idle one: the drip keeps the connection busy all along.
        QVERIFY2(elapsed >= deadlineMs - 50, qPrintable(QString::number(elapsed)));
        QVERIFY2(elapsed < deadlineMs + slackMs, qPrintable(QString::number(elapsed)));
    } else {
        QVERIFY2(elapsed < deadlineMs, qPrintable(QString::number(elapsed)));
    }
}

void TestWebFetch::refusedConnection()
{
    QTcpServer probe;
    QVERIFY(probe.listen(QHostAddress::LocalHost, 0));
    const quint16 closedPort = probe.serverPort();
    probe.close();

    QtWebFetch web(deadlineMs, maxBytes);
    const FetchResult result = web.get(QUrl(QStringLiteral("http://127.0.0.1:%1/").arg(closedPort)));
    QCOMPARE(result.outcome, FetchResult::Outcome::NetworkError);
    QCOMPARE(result.httpStatus, 0);
}

void TestWebFetch::serviceAnswers_data()
{
    QTest::addColumn<QUrl>("address");
    QTest::addColumn<QString>("present");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QString>("errorWord"); // empty: none of the service's error words

    const QString key = TrackingRequest::accessKey;
    QTest::newRow("wrong key") << trackingUrl("1234567890", "0000") << QString("访问密钥无效") << 0
                               << QString();
    QTest::newRow("unknown company") << trackingUrl("1234567890", key, "nosuchcourier")
                                     << QString("不支持的快递公司") << 0 << QString("不支持的快递公司");
    QTest::newRow("bad format") << trackingUrl("000") << QString("单号格式错误") << 0
                                << QString("单号格式错误");
    QTest::newRow("missing page") << trackingUrl("404404") << QString("不存在") << 0 << QString("不存在");
    QTest::newRow("unknown number") << trackingUrl("31415926") << QString("暂无物流进展") << 0
                                    << QString("不存在");
    QTest::newRow("no record") << trackingUrl("8880001") << QString("暂无记录") << 0 << QString();
    QTest::newRow("out for delivery") << trackingUrl("9876543210") << QString("派件") << 4 << QString();
    QTest::newRow("in transit") << trackingUrl("5550001111") << QString("转运中心") << 3 << QString();
    QTest::newRow("markup in cells") << trackingUrl("1122334455") << QString("<b>加急</b>") << 3 << QString();
    QTest::newRow("chinese number") << trackingUrl("单号") << QString("不存在") << 0 << QString("不存在");
    QTest::newRow("outlet page") << url("/query_list.asp?name=%E6%B5%B7") << QString("网点查询") << 0
                                 << QString();
}

void TestWebFetch::serviceAnswers()
{
    QFETCH(QUrl, address);
    QFETCH(QString, present);
    QFETCH(int, rows);
    QFETCH(QString, errorWord);

    QtWebFetch web(deadlineMs, maxBytes);
    const int before = m_service->requestCount();
    const FetchResult result = web.get(address);
    QCOMPARE(result.outcome, FetchResult::Outcome::Ok);
    QVERIFY2(result.body.contains(present), qPrintable(result.body));
    QCOMPARE(result.body.count(QStringLiteral("<tr><td>")), rows);
    QCOMPARE(m_service->requestCount(), before + 1);
    QCOMPARE(m_service->lastRequestTarget(), address.toEncoded(QUrl::RemoveScheme | QUrl::RemoveAuthority));

    const QString errorWords[] = {"单号格式错误", "不存在", "不支持的快递公司", "请输入正确的单号"};
    for (const QString &word : errorWords)
        QCOMPARE(result.body.contains(word), word == errorWord);
}

void TestWebFetch::growingParcel_data()
{
    QTest::addColumn<int>("minutes");
    QTest::newRow("just started") << 0;
    QTest::newRow("three minutes") << 3;
    QTest::newRow("past the cap") << 120;
}

void TestWebFetch::growingParcel()
{
    QFETCH(int, minutes);
    const QDateTime start = QDateTime::currentDateTime().addSecs(-60 * minutes - 5);
    m_service->setStartTime(start);
    QtWebFetch web(deadlineMs, maxBytes);
    const FetchResult result = web.get(trackingUrl("7770001"));
    m_service->setStartTime(QDateTime::currentDateTime());

    QCOMPARE(result.outcome, FetchResult::Outcome::Ok);
    QCOMPARE(result.body.count(QStringLiteral("<tr><td>")), qMin(50, 2 + minutes));
    QVERIFY(result.body.contains(start.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"))));
}

void TestWebFetch::idleWaitCostsNoCpu()
{
    constexpr int waitMs = 1000;
    QtWebFetch web(waitMs, maxBytes);
    QElapsedTimer clock;
    clock.start();
    const double cpuBefore = processCpuSeconds();
    const FetchResult result = web.get(trackingUrl("hang"));
    const double cpu = processCpuSeconds() - cpuBefore;
    const double wall = double(clock.elapsed()) / 1000.0;

    QCOMPARE(result.outcome, FetchResult::Outcome::Timeout);
    QVERIFY(wall >= 0.9);
    QVERIFY2(cpu < 0.2 * wall, qPrintable(QStringLiteral("cpu %1 s over %2 s").arg(cpu).arg(wall)));
}

void TestWebFetch::fetchAfterTimeoutWorks()
{
    QtWebFetch web(deadlineMs, maxBytes);
    QCOMPARE(web.get(trackingUrl("hang")).outcome, FetchResult::Outcome::Timeout);

    const FetchResult second = web.get(trackingUrl("5550001111"));
    QCOMPARE(second.outcome, FetchResult::Outcome::Ok);
    QCOMPARE(second.body, m_service->trackingAnswer(Catalogue::code(0), "5550001111"));
}

void TestWebFetch::otherConnectionsDoNotBlock()
{
    // Clients that hang, drip or leave mid-answer must not hold up anyone else.
    std::vector<std::unique_ptr<QTcpSocket>> clients;
    const QByteArray targets[] = {"/?nu=hang", "/?nu=drip", "/?nu=huge", "/?nu=hang"};
    for (const QByteArray &target : targets) {
        auto client = std::make_unique<QTcpSocket>();
        client->connectToHost(QHostAddress::LocalHost, m_service->port());
        QVERIFY(client->waitForConnected(2000));
        client->write("GET " + target + " HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n");
        QVERIFY(client->waitForBytesWritten(2000));
        clients.push_back(std::move(client));
    }
    QTRY_COMPARE_WITH_TIMEOUT(m_service->lastRequestTarget(), targets[std::size(targets) - 1], 2000);
    clients[1]->abort(); // leaves while the drip is running
    clients[2]->abort(); // leaves while the huge body streams

    QtWebFetch web(deadlineMs, maxBytes);
    const FetchResult result = web.get(trackingUrl("1234567890"));
    QCOMPARE(result.outcome, FetchResult::Outcome::Ok);
    QVERIFY(result.body.contains(QStringLiteral("已签收")));
}

QTEST_GUILESS_MAIN(TestWebFetch)
#include "test_webfetch.moc"
