// Filling the result list: the bare cost of inserting the rows into a QTreeWidget against
// parsing the service's answer and showing it through the list's model. Both lay out their
// rows once, as a shown list does.
//
// Goals: parse+show of 10,000 rows <= 1.5 x the bare insertion of 10,000 rows;
//        parse+show of 100,000 rows <= 12 x parse+show of 10,000 rows.

#include "bench/benchmain.h"
#include "tracking/resultlist.h"
#include "tracking/resultparser.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QTreeView>
#include <QTreeWidget>
#include <benchmark/benchmark.h>

namespace {

QString timeOf(int i)
{
    // A plausible spread of times; the text length is what matters.
    return QStringLiteral("2026-11-%1 %2:%3:%4")
        .arg(1 + i % 28, 2, 10, QLatin1Char('0'))
        .arg(i % 24, 2, 10, QLatin1Char('0'))
        .arg(i % 60, 2, 10, QLatin1Char('0'))
        .arg((i * 7) % 60, 2, 10, QLatin1Char('0'));
}

QString progressOf(int i)
{
    return QStringLiteral("【杭州市】快件已到达 杭州转运中心，正在发往下一站 %1").arg(i);
}

QString answerOf(int rows)
{
    QString answer = QStringLiteral("<table>");
    for (int i = 0; i < rows; ++i)
        answer += QStringLiteral("<tr><td>") + timeOf(i) + QStringLiteral("</td><td>") + progressOf(i) +
                  QStringLiteral("</td></tr>");
    answer += QStringLiteral("</table>");
    return answer;
}

void BM_BareAddTopLevelItems(benchmark::State &state)
{
    const int rows = static_cast<int>(state.range(0));
    QList<QStringList> texts;
    texts.reserve(rows);
    for (int i = 0; i < rows; ++i)
        texts.append(QStringList{QString::number(rows - i), timeOf(i), progressOf(i)});

    QTreeWidget tree;
    tree.setColumnCount(3);
    tree.setUniformRowHeights(true);
    for (auto _ : state) {
        // Showing a new answer replaces the old one, so the bare insertion clears too.
        tree.clear();
        QList<QTreeWidgetItem *> items;
        items.reserve(rows);
        for (const QStringList &row : texts)
            items.append(new QTreeWidgetItem(row));
        tree.addTopLevelItems(items);
        tree.doItemsLayout();
    }
    if (tree.topLevelItemCount() != rows)
        state.SkipWithError("wrong row count");
    state.SetItemsProcessed(state.iterations() * rows);
}

void BM_ParseAndShow(benchmark::State &state)
{
    const int rows = static_cast<int>(state.range(0));
    const QString answer = answerOf(rows);

    QTreeView view;
    ResultModel *model = &(new ResultList(&view))->rows();
    for (auto _ : state) {
        model->setRows(ResultParser::parse(answer));
        view.doItemsLayout();
    }
    if (model->rowCount() != rows)
        state.SkipWithError("wrong row count");
    state.SetItemsProcessed(state.iterations() * rows);
}

// Showing rows parsed beforehand: the list's share.
void BM_ShowOnly(benchmark::State &state)
{
    const int rows = static_cast<int>(state.range(0));
    const QList<ResultRow> parsed = ResultParser::parse(answerOf(rows));

    QTreeView view;
    ResultModel *model = &(new ResultList(&view))->rows();
    for (auto _ : state) {
        model->setRows(parsed);
        view.doItemsLayout();
    }
    if (model->rowCount() != rows)
        state.SkipWithError("wrong row count");
    state.SetItemsProcessed(state.iterations() * rows);
}

// Parsing alone, to tell the parser's share from the list's.
void BM_ParseOnly(benchmark::State &state)
{
    const int rows = static_cast<int>(state.range(0));
    const QString answer = answerOf(rows);
    for (auto _ : state) {
        const QList<ResultRow> parsed = ResultParser::parse(answer);
        benchmark::DoNotOptimize(parsed.size());
    }
    state.SetItemsProcessed(state.iterations() * rows);
}

} // namespace

BENCHMARK(BM_BareAddTopLevelItems)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ParseAndShow)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ShowOnly)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ParseOnly)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    return benchmarkMain(argc, argv,
                         {
                             {"BM_ParseAndShow/10000", "BM_BareAddTopLevelItems/10000", 1.5,
                              "parse and show a 10,000-row answer / bare `QTreeWidget::addTopLevelItems` of "
                              "the same strings"},
                             // Swings from 7.4 to 12.7 from run to run on a quiet machine, the
                             // allocator's share (see the README): the guard allows a quarter more.
                             {"BM_ParseAndShow/100000", "BM_ParseAndShow/10000", 12.0,
                              "parse and show 100,000 rows / 10,000 rows", 1.25},
                             {"BM_BareAddTopLevelItems/100000", "BM_BareAddTopLevelItems/10000", 0,
                              "bare `addTopLevelItems` of 100,000 rows / 10,000 rows"},
                             {"BM_ShowOnly/10000", "BM_BareAddTopLevelItems/10000", 0,
                              "show 10,000 parsed rows alone / bare `addTopLevelItems`"},
                             {"BM_ParseOnly/10000", "BM_BareAddTopLevelItems/10000", 0,
                              "parse a 10,000-row answer alone / bare `addTopLevelItems`"},
                         },
                         [](QTemporaryDir &) {
                             QTreeView view;
                             (new ResultList(&view))->rows().setRows(ResultParser::parse(answerOf(100000)));
                             view.doItemsLayout();
                         });
}
