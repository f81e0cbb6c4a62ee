#include "outlet/outletname.h"
#include "outlet/outletpage.h"

#include <QTest>
#include <QUrlQuery>

using namespace Qt::StringLiterals;

namespace {

// 27 pieces as the page's split gives them: values 1-5 at pieces 6, 10, 14, 18 and 22 behind 19
// characters, value 6 at piece 26 behind 20, each closed by "</"; every other piece reads "pN"
// from character 20, so a value taken from the wrong piece names the piece it came from.
QStringList pieces(const QStringList &values)
{
    QStringList list;
    for (int i = 0; i < 27; ++i)
        list << QString(19, u'.') + QStringLiteral("p%1").arg(i);
    for (int k = 0; k < 6; ++k)
        list[6 + 4 * k] = QString(k == 5 ? 20 : 19, u'.') + values.value(k) + QStringLiteral("</");
    return list;
}

QString page(const QStringList &pieceList)
{
    return pieceList.join(QStringLiteral("td"));
}

} // namespace

class TestOutletPage : public QObject {
    Q_OBJECT

private slots:
    void utf8UrlEncoding_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("encoded");
        QTest::newRow("申通") << u"申通"_s << "%E7%94%B3%E9%80%9A";
        QTest::newRow("网点") << u"网点"_s << "%E7%BD%91%E7%82%B9";
        QTest::newRow("space stays") << u"北京 朝阳"_s << "%E5%8C%97%E4%BA%AC %E6%9C%9D%E9%98%B3";
        QTest::newRow("ASCII unchanged") << u"a b&c"_s << u"a b&c"_s;
        QTest::newRow("ASCII marks and controls") << QString("#+%=?\t\x7f") << QString("#+%=?\t\x7f");
        QTest::newRow("U+0080") << QString(QChar(0x80)) << "%C2%80";
        QTest::newRow("U+00E9") << QString(QChar(0xE9)) << "%C3%A9";
        QTest::newRow("U+07FF") << QString(QChar(0x7FF)) << "%DF%BF";
        QTest::newRow("U+0800") << QString(QChar(0x800)) << "%E0%A0%80";
        QTest::newRow("U+FF9F") << QString(QChar(0xFF9F)) << "%EF%BE%9F";
        QTest::newRow("U+3000") << QString(QChar(0x3000)) << "%E3%80%80";
        QTest::newRow("empty") << QString() << QString();
        QTest::newRow("surrogate halves apart") << u"😀"_s << "%ED%A0%BD%ED%B8%80";
    }
    void utf8UrlEncoding()
    {
        QFETCH(QString, input);
        QTEST(UTF8_URLEncoding(input), "encoded");
    }

    // The request carries exactly the trimmed name; for Chinese characters, letters and digits that
    // is byte for byte UTF8_URLEncoding's text.
    void queryUrl_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QByteArray>("sentName");
        QTest::addColumn<bool>("asUtf8UrlEncoding");
        QTest::newRow("Chinese") << u"申通"_s << QByteArray("%E7%94%B3%E9%80%9A") << true;
        QTest::newRow("letters and digits")
            << u"申通2号店AB"_s << QByteArray("%E7%94%B3%E9%80%9A2%E5%8F%B7%E5%BA%97AB") << true;
        QTest::newRow("trimmed") << u" 网点  "_s << QByteArray("%E7%BD%91%E7%82%B9") << true;
        QTest::newRow("inner blank") << u"北京 朝阳"_s
                                     << QByteArray("%E5%8C%97%E4%BA%AC%20%E6%9C%9D%E9%98%B3") << false;
        QTest::newRow("no extra key") << u"a&name=b"_s << QByteArray("a%26name%3Db") << false;
        QTest::newRow("fragment, plus, percent, question")
            << u"#1+2%3?"_s << QByteArray("%231%2B2%253%3F") << false;
        QTest::newRow("control characters, tab kept") << u"\ta\u0001 "_s << QByteArray("%09a%01") << false;
        QTest::newRow("full-width space kept")
            << u"\u3000网点"_s << QByteArray("%E3%80%80%E7%BD%91%E7%82%B9") << true;
        QTest::newRow("above U+FFFF as one form") << u"😀"_s << QByteArray("%F0%9F%98%80") << false;
        QTest::newRow("spaces only") << u"   "_s << QByteArray() << true;
    }
    void queryUrl()
    {
        QFETCH(QString, typed);
        QFETCH(QByteArray, sentName);
        QFETCH(bool, asUtf8UrlEncoding);
        const QUrl url = outletQueryUrl(u"127.0.0.1:18765"_s, typed);
        QVERIFY(url.isValid());
        QCOMPARE(url.toEncoded(), "http://127.0.0.1:18765/query_list.asp?name=" + sentName);
        const QUrlQuery query(url);
        QCOMPARE(query.queryItems().size(), 1);
        QCOMPARE(query.queryItemValue(u"name"_s, QUrl::FullyDecoded), trimOutletName(typed));
        QCOMPARE(UTF8_URLEncoding(trimOutletName(typed)).toLatin1() == sentName, asUtf8UrlEncoding);
    }

    void parse_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QStringList>("values");
        const QStringList six = {"A1", "B2", "C3", "D4", "E5", "F6"};
        QTest::newRow("six places") << page(pieces(six)) << six;

        QStringList list = pieces(six);
        list[26] = QString(19, u'.') + "XF6</";
        QTest::newRow("value 6 from character 21")
            << page(list) << QStringList{"A1", "B2", "C3", "D4", "E5", "F6"};
        list = pieces(six);
        list[6] = QString(18, u'.') + "XA1</";
        QTest::newRow("value 1 from character 20")
            << page(list) << QStringList{"A1", "B2", "C3", "D4", "E5", "F6"};
        list = pieces(six);
        list[6] = QString(19, u'.');
        QTest::newRow("piece 6 of 19 characters")
            << page(list) << QStringList{"", "B2", "C3", "D4", "E5", "F6"};

        QTest::newRow("every </ removed, other markup kept")
            << page(pieces({"<b>王</b>家</", "<a href=x>李", "C3", "D4", "E5", "<i>F</i>"}))
            << QStringList{"<b>王b>家", "<a href=x>李", "C3", "D4", "E5", "<i>Fi>"};
        QTest::newRow("upper-case TD does not split") << page(pieces({"A1", "B TD", "C3", "D4", "E5", "F6"}))
                                                      << QStringList{"A1", "B TD", "C3", "D4", "E5", "F6"};
        QTest::newRow("td in a value moves later values one piece on")
            << page(pieces({"A1", "Eastwind Ltd co", "C3", "D4", "E5", "F6"}))
            << QStringList{"A1", "Eastwind L", "p13", "p17", "p21", "25"};

        list = pieces(six).mid(0, 23);
        QTest::newRow("23 pieces") << page(list) << QStringList{"A1", "B2", "C3", "D4", "E5", ""};
        QTest::newRow("no td at all") << "<html><body>Not Found</body></html>" << QStringList(6, QString());
        QTest::newRow("empty") << "" << QStringList(6, QString());
    }
    void parse()
    {
        QFETCH(QString, page);
        QFETCH(QStringList, values);
        const OutletFields fields = parseOutletPage(page);
        QCOMPARE(QStringList(fields.begin(), fields.end()), values);
    }
};

QTEST_GUILESS_MAIN(TestOutletPage)
#include "test_outletpage.moc"
