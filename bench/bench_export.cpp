// Exporting the result list: 10,000 rows written through the export against a plain write of
// the same bytes.

#include "bench/benchmain.h"
#include "tracking/resultexport.h"
#include "tracking/resultmodel.h"

#include <QFile>
#include <benchmark/benchmark.h>

namespace {

QTemporaryDir *workDir = nullptr;

ResultModel *modelOf(int rows)
{
    static ResultModel model;
    QList<ResultRow> list;
    list.reserve(rows);
    for (int i = 0; i < rows; ++i)
        list.append({QStringLiteral("2026-11-28 09:%1:05").arg(i % 60, 2, 10, QLatin1Char('0')),
                     QStringLiteral("【杭州市】快件已到达 杭州转运中心，正在发往下一站 %1").arg(i)});
    model.setRows(list);
    return &model;
}

void BM_Export(benchmark::State &state)
{
    const ResultModel *model = modelOf(int(state.range(0)));
    const QString path = workDir->filePath(QStringLiteral("export.txt"));
    for (auto _ : state) {
        if (ResultExport::write(*model, path) != ResultExport::Outcome::Written) {
            state.SkipWithError("export failed");
            break;
        }
    }
}

void BM_PlainWrite(benchmark::State &state)
{
    const QString path = workDir->filePath(QStringLiteral("plain.txt"));
    QFile exported(path);
    if (ResultExport::write(*modelOf(int(state.range(0))), path) != ResultExport::Outcome::Written ||
        !exported.open(QIODevice::ReadOnly)) {
        state.SkipWithError("export failed");
        return;
    }
    const QByteArray bytes = exported.readAll();
    exported.close();
    for (auto _ : state) {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size()) {
            state.SkipWithError("write failed");
            break;
        }
    }
}

} // namespace

BENCHMARK(BM_Export)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlainWrite)->Arg(10000)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    return benchmarkMain(
        argc, argv,
        {
            {"BM_Export/10000", "BM_PlainWrite/10000", 0,
             "export 10,000 rows (with the sync of a safe replacement) / a plain write of the "
             "same bytes"},
        },
        [](QTemporaryDir &dir) { workDir = &dir; });
}
