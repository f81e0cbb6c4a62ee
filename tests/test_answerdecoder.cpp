#include "tracking/answerdecoder.h"

#include <QTest>

namespace {

// "顺丰快递已签收" in GBK.
const QByteArray gbk("\xCB\xB3\xB7\xE1\xBF\xEC\xB5\xDD\xD2\xD1\xC7\xA9\xCA\xD5");
const QString text = QStringLiteral("顺丰快递已签收");

} // namespace

class TestAnswerDecoder : public QObject {
    Q_OBJECT

private slots:
    void decode_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QByteArray>("contentType");
        QTest::addColumn<QString>("expected");
        QTest::newRow("UTF-8, no charset") << text.toUtf8() << QByteArray("text/html") << text;
        QTest::newRow("GBK, no charset") << gbk << QByteArray("text/html") << text;
        QTest::newRow("GBK, charset=gbk") << gbk << QByteArray("text/html; charset=gbk") << text;
        QTest::newRow("GBK, quoted GB2312") << gbk << QByteArray("text/html; Charset=\"GB2312\"") << text;
        QTest::newRow("UTF-8, charset=utf-8")
            << text.toUtf8() << QByteArray("text/html;charset=UTF-8") << text;
        QTest::newRow("declared Latin-1 wins")
            << QByteArray("caf\xE9") << QByteArray("text/plain; charset=iso-8859-1") << QString("café");
        QTest::newRow("unknown charset, GBK") << gbk << QByteArray("text/html; charset=x-nonsense") << text;
        QTest::newRow("unknown charset, UTF-8")
            << text.toUtf8() << QByteArray("text/html; charset=x-nonsense") << text;
        QTest::newRow("UTF-8 BOM") << "\xEF\xBB\xBF" + text.toUtf8() << QByteArray() << text;
        QTest::newRow("empty") << QByteArray() << QByteArray("text/html; charset=gbk") << QString();
        QTest::newRow("NUL in UTF-8")
            << QByteArray("a\0b", 3) << QByteArray() << QStringView(u"a\0b", 3).toString();
        QTest::newRow("NUL in GBK") << gbk.left(4) + QByteArray(1, '\0') << QByteArray()
                                    << QStringView(u"顺丰\0", 3).toString();
        QTest::newRow("neither") << QByteArray("\xFF") << QByteArray()
                                 << QString(QChar::ReplacementCharacter);
        QTest::newRow("GBK cut short")
            << gbk.left(3) << QByteArray() << "顺" + QString(QChar::ReplacementCharacter);
    }
    void decode()
    {
        QFETCH(QByteArray, body);
        QFETCH(QByteArray, contentType);
        QTEST(AnswerDecoder::decode(body, contentType), "expected");
    }

    void declaredCharsetIsBelieved()
    {
        // GBK bytes under a UTF-8 label: decoded as declared, so replacement characters, not Chinese.
        const QString decoded = AnswerDecoder::decode(gbk, "text/html; charset=utf-8");
        QVERIFY(decoded.contains(QChar::ReplacementCharacter));
        QVERIFY(!decoded.contains(u'顺'));
    }
};

QTEST_GUILESS_MAIN(TestAnswerDecoder)
#include "test_answerdecoder.moc"
