#include "tracking/trackingrequest.h"

#include <QTest>
#include <QUrlQuery>

using Refusal = TrackingRequest::Refusal;

class TestTrackingRequest : public QObject {
    Q_OBJECT

private slots:
    void url_data()
    {
        QTest::addColumn<QString>("host");
        QTest::addColumn<QString>("number");
        QTest::addColumn<QByteArray>("sentNumber");
        QTest::newRow("ordinary") << "127.0.0.1:18765"
                                  << "1234567890" << QByteArray("1234567890");
        QTest::newRow("delimiters and CJK") << "example.com"
                                            << "a b&c#d+e/中" << QByteArray("a%20b%26c%23d%2Be%2F%E4%B8%AD");
        QTest::newRow("leading blank") << "example.com"
                                       << " 123" << QByteArray("%20123");
        QTest::newRow("CR LF") << "example.com"
                               << "12\r\n34" << QByteArray("12%0D%0A34");
        QTest::newRow("above U+FFFF") << "example.com"
                                      << "1😀" << QByteArray("1%F0%9F%98%80");
        QTest::newRow("percent, equals, question") << "example.com"
                                                   << "%=?" << QByteArray("%25%3D%3F");
    }
    void url()
    {
        QFETCH(QString, host);
        QFETCH(QString, number);
        QFETCH(QByteArray, sentNumber);
        const QUrl url = TrackingRequest::url(host, "shunfeng", number);
        QVERIFY(url.isValid());
        QCOMPARE(url.toEncoded(), "http://" + host.toUtf8() + "/?com=shunfeng&nu=" + sentNumber +
                                      "&id=3C7E1A90B4D25F6E8A0C19D7E25B4F31&type=html");
        const QUrlQuery query(url);
        QCOMPARE(query.queryItems().size(), 4);
        QCOMPARE(query.queryItemValue("nu", QUrl::FullyDecoded), number);
    }

    void percentEncode_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("encoded");
        QTest::newRow("unreserved set") << "AZaz09-._~" << QByteArray("AZaz09-._~");
        QTest::newRow("upper-case hex") << "ÿ" << QByteArray("%C3%BF");
        QTest::newRow("ASCII marks") << "!*'();:@$,[]" << QByteArray("%21%2A%27%28%29%3B%3A%40%24%2C%5B%5D");
        QTest::newRow("control and DEL") << QString("\t\x7f") << QByteArray("%09%7F");
        QTest::newRow("empty") << "" << QByteArray();
    }
    void percentEncode()
    {
        QFETCH(QString, text);
        QTEST(TrackingRequest::percentEncode(text), "encoded");
    }

    void refusal_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<Refusal>("refusal");
        QTest::newRow("bad format") << "单号格式错误" << Refusal::BadFormat;
        QTest::newRow("not found") << "不存在" << Refusal::NotFound;
        QTest::newRow("unsupported") << "不支持的快递公司" << Refusal::UnsupportedCompany;
        QTest::newRow("enter valid") << "请输入正确的单号" << Refusal::EnterValidNumber;
        QTest::newRow("in a sentence") << "<p>抱歉，不支持的快递公司。</p>" << Refusal::UnsupportedCompany;
        QTest::newRow("1 then 2") << "单号格式错误，单号不存在" << Refusal::BadFormat;
        QTest::newRow("2 then 1") << "单号不存在，单号格式错误" << Refusal::BadFormat;
        QTest::newRow("3 before 2") << "不支持的快递公司或不存在" << Refusal::NotFound;
        QTest::newRow("in a progress cell")
            << "<tr><td>09:00</td><td>收件人不存在，退回</td></tr></table>" << Refusal::NotFound;
        QTest::newRow("none") << "<tr><td>09:00</td><td>已签收</td></tr></table>" << Refusal::None;
        QTest::newRow("word broken by markup") << "不<b>存在" << Refusal::None;
    }
    void refusal()
    {
        QFETCH(QString, answer);
        QTEST(TrackingRequest::refusal(answer), "refusal");
    }

    void refusalText_data()
    {
        QTest::addColumn<Refusal>("refusal");
        QTest::addColumn<QString>("status");
        QTest::addColumn<bool>("empties");
        QTest::newRow("bad format") << Refusal::BadFormat << "单号格式错误!请检查!" << true;
        QTest::newRow("not found") << Refusal::NotFound << "单号不存在!请检查!" << true;
        QTest::newRow("unsupported") << Refusal::UnsupportedCompany << "系统问题,暂不支持当前快递公司!"
                                     << false;
        QTest::newRow("enter valid") << Refusal::EnterValidNumber << "请输入正确的单号!" << true;
    }
    void refusalText()
    {
        QFETCH(Refusal, refusal);
        QTEST(TrackingRequest::refusalStatus(refusal), "status");
        QTEST(TrackingRequest::refusalEmptiesNumber(refusal), "empties");
    }
};

QTEST_GUILESS_MAIN(TestTrackingRequest)
#include "test_trackingrequest.moc"
