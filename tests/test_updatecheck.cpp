#include "app/updatecheck.h"

#include <QTest>

class TestUpdateCheck : public QObject {
    Q_OBJECT

private slots:
    void evaluate_data()
    {
        QTest::addColumn<FetchResult::Outcome>("outcome");
        QTest::addColumn<QString>("body");
        QTest::addColumn<UpdateCheck::Verdict>("verdict");
        QTest::addColumn<QString>("version");
        using O = FetchResult::Outcome;
        using V = UpdateCheck::Verdict;
        QTest::newRow("same") << O::Ok << "V3.0" << V::Current << "V3.0";
        QTest::newRow("same, CR LF") << O::Ok << "V3.0\r\n" << V::Current << "V3.0";
        QTest::newRow("same, blank and LF") << O::Ok << "V3.0 \n" << V::Current << "V3.0";
        QTest::newRow("newer") << O::Ok << "V3.1\t\r\n" << V::Newer << "V3.1";
        QTest::newRow("other case") << O::Ok << "v3.0" << V::Newer << "v3.0";
        QTest::newRow("leading blank kept") << O::Ok << " V3.0" << V::Newer << " V3.0";
        QTest::newRow("32 characters") << O::Ok << QString(32, u'9') << V::Newer << QString(32, u'9');
        QTest::newRow("empty") << O::Ok << "" << V::Failed << "";
        QTest::newRow("only blanks") << O::Ok << " \r\n" << V::Failed << "";
        QTest::newRow("http error") << O::HttpError << "V3.0" << V::Failed << "";
        QTest::newRow("timeout") << O::Timeout << "" << V::Failed << "";
        QTest::newRow("error page") << O::Ok << "<html>404</html>" << V::Failed << "";
        QTest::newRow("33 characters") << O::Ok << QString(33, u'9') << V::Failed << "";
        QTest::newRow("line break inside") << O::Ok << "V3.1\nfoo" << V::Failed << "";
        QTest::newRow("CR inside") << O::Ok << "V3.1\rfoo" << V::Failed << "";
        QTest::newRow("NUL inside") << O::Ok << QStringLiteral("V\u00003.1") << V::Failed << "";
        QTest::newRow("escape inside") << O::Ok << "V3.1\x1b[0m" << V::Failed << "";
    }
    void evaluate()
    {
        QFETCH(FetchResult::Outcome, outcome);
        QFETCH(QString, body);
        FetchResult fetch;
        fetch.outcome = outcome;
        fetch.body = body;
        const UpdateCheck::Result result = UpdateCheck::evaluate(fetch);
        QTEST(result.verdict, "verdict");
        QTEST(result.version, "version");
    }

    void newerVersionText()
    {
        QCOMPARE(UpdateCheck::newerVersionText("V3.1"),
                 QString("发现最新版本![V3.1]\r\n \r\n确定后自动打开官方论坛!"));
    }
};

QTEST_GUILESS_MAIN(TestUpdateCheck)
#include "test_updatecheck.moc"
