#include "tracking/resultparser.h"

#include <QRandomGenerator>
#include <QTest>

namespace {

// The answer read the plain way, by whole-answer splits; parse() must agree on every normal layout.
QList<ResultRow> literalReading(const QString &answer)
{
    const QStringList timePieces = answer.split("<tr><td>");
    const QStringList tdPieces = answer.split("<td>");
    QList<ResultRow> rows;
    for (int i = 1; i < timePieces.size(); ++i) {
        const qsizetype q = timePieces[i].indexOf("</td><td>") + 1;
        ResultRow row{timePieces[i].left(q), 2 * i < tdPieces.size() ? tdPieces[2 * i] : QString()};
        row.time.remove(u'<');
        row.progress.remove("</td></tr><tr>");
        row.progress.remove("</td></tr></table>");
        rows.append(row);
    }
    return rows;
}

QStringList flat(const QList<ResultRow> &rows)
{
    QStringList cells;
    for (const ResultRow &row : rows)
        cells << row.time << row.progress;
    return cells;
}

QString randomText(QRandomGenerator &random, int maxTokens)
{
    static const QStringList tokens =
        QStringLiteral(
            "签|派|妥|已|收|<b>|</b>|<img src=x>|&amp;| |7|2024-05-01|<|>|td|<tr>|</td>|</tr>|</table>|a")
            .split(u'|');
    QString text;
    const int count = random.bounded(maxTokens + 1);
    for (int i = 0; i < count; ++i)
        text += tokens[random.bounded(int(tokens.size()))];
    return text;
}

QString cleanText(QRandomGenerator &random, int maxTokens)
{
    QString text;
    do
        text = randomText(random, maxTokens);
    while (text.contains("<td>"));
    return text;
}

} // namespace

class TestResultParser : public QObject {
    Q_OBJECT

private slots:
    void agreesWithLiteralReading()
    {
        QRandomGenerator random(20240501);
        for (int n = 0; n < 3000; ++n) {
            const int rowCount = random.bounded(1, 41);
            QString answer = random.bounded(2) ? "<html><table>" : cleanText(random, 6);
            for (int r = 0; r < rowCount; ++r)
                answer +=
                    "<tr><td>" + cleanText(random, 3) + "</td><td>" + cleanText(random, 8) + "</td></tr>";
            answer += "</table>" + cleanText(random, 4);
            // Tokens may still meet at a join and form a marker; such an answer is not the normal layout.
            if (answer.count("<tr><td>") != rowCount || answer.count("<td>") != 2 * rowCount) {
                --n;
                continue;
            }
            const QList<ResultRow> rows = ResultParser::parse(answer);
            QCOMPARE(rows.size(), rowCount);
            QCOMPARE(ResultParser::countRows(answer), rowCount);
            QCOMPARE(flat(rows), flat(literalReading(answer)));
        }
    }

    void parse_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QStringList>("cells");
        QTest::newRow("no rows") << "<html>查无结果</html>" << QStringList();
        QTest::newRow("answer order") << "<table><tr><td>T1</td><td>P1</td></tr><tr><td>T2</td><td>P2</td></"
                                         "tr><tr><td>T3</td><td>P3</td></tr>"
                                         "</table>"
                                      << QStringList{"T1", "P1", "T2", "P2", "T3", "P3"};
        QTest::newRow("row without progress cell")
            << "<tr><td>T1</td></tr><tr><td>T2</td><td>P2</td></tr></table>"
            << QStringList{"", "", "T2", "P2"};
        QTest::newRow("text after the table")
            << "<tr><td>T1</td><td>P1</td></tr></table></body>" << QStringList{"T1", "P1</body>"};
        QTest::newRow("markup in cells")
            << "<tr><td><b>09:00</b></td><td><b>已签收</b>&amp;</td></tr></table>"
            << QStringList{"b>09:00/b>", "<b>已签收</b>&amp;"};
        QTest::newRow("unterminated last row") << "x<tr><td>T1</td><td>P1" << QStringList{"T1", "P1"};
    }
    void parse()
    {
        QFETCH(QString, answer);
        QFETCH(QStringList, cells);
        QCOMPARE(flat(ResultParser::parse(answer)), cells);
        QCOMPARE(ResultParser::countRows(answer), cells.size() / 2);
    }

    void manyRows()
    {
        QString answer = "<table>";
        for (int i = 0; i < 100000; ++i)
            answer += QString("<tr><td>%1</td><td>到达%1</td></tr>").arg(i);
        answer += "</table>";
        const QList<ResultRow> rows = ResultParser::parse(answer);
        QCOMPARE(rows.size(), 100000);
        QCOMPARE(ResultParser::countRows(answer), 100000);
        QCOMPARE(rows.last(), (ResultRow{"99999", "到达99999"}));
    }

    void deliveryStatus_data()
    {
        QTest::addColumn<QString>("progress");
        QTest::addColumn<QString>("status");
        QTest::newRow("signed") << "已签收，签收人：本人"
                                << "快件状态：已签收";
        QTest::newRow("delivered") << "妥投"
                                   << "快件状态：已签收";
        QTest::newRow("signing beats delivering") << "派件员已派送，客户签收"
                                                  << "快件状态：已签收";
        QTest::newRow("delivering") << "正在派件"
                                    << "快件状态：派件中";
        QTest::newRow("on the way") << "到达上海转运中心"
                                    << "快件状态：运送中";
        QTest::newRow("empty") << ""
                               << "快件状态：运送中";
    }
    void deliveryStatus()
    {
        QFETCH(QString, progress);
        QTEST(ResultParser::deliveryStatus(progress), "status");
    }
};

QTEST_GUILESS_MAIN(TestResultParser)
#include "test_resultparser.moc"
