// The history box: filling a QComboBox with 100,000 entries bare against loading them from
// the GB18030 history file first; adding one entry to a 100,000-entry history (which
// rewrites the file) against a plain write of the same bytes.
//
// Goals: loading 100,000 entries into the box takes at most 1.5 x QComboBox::addItems of the
// same strings; one add to a 100,000-entry history takes under 30 ms.

#include "bench/ratioreporter.h"
#include "common/gbtext.h"
#include "history/historybox.h"
#include "history/historystore.h"
#include "platform/messageboxes.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

constexpr int entryCount = 100000;

QTemporaryDir *workDir = nullptr;

QStringList entriesOf(int count)
{
    QStringList entries;
    entries.reserve(count);
    for (int i = 0; i < count; ++i)
        entries.append(QString::number(12345678901LL + i) + QStringLiteral("|顺丰快递"));
    return entries;
}

QByteArray fileBytes(int count)
{
    return GbText::encode(entriesOf(count).join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).value();
}

// No box is asked for while loading or adding.
class NoBoxes : public MessageBoxes {
public:
    BoxButton show(const BoxRequest &) override { return BoxButton::Ok; }
};

QString historyFile(const QString &name, int count)
{
    const QString path = workDir->filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return {};
    file.write(fileBytes(count));
    return path;
}

// The history box as the window sets it up; both fill benchmarks use it.
std::unique_ptr<QComboBox> historyBox()
{
    auto box = std::make_unique<QComboBox>();
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setCompleter(nullptr);
    box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    return box;
}

void BM_ComboAddItems(benchmark::State &state)
{
    const QStringList entries = entriesOf(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        auto box = historyBox();
        state.ResumeTiming();

        box->addItems(entries);

        state.PauseTiming();
        if (box->count() != entries.size())
            state.SkipWithError("wrong item count");
        box.reset();
        state.ResumeTiming();
    }
}

void BM_LoadHistoryIntoBox(benchmark::State &state)
{
    const int count = static_cast<int>(state.range(0));
    const QString path = historyFile(QStringLiteral("load.ini"), count);
    if (path.isEmpty()) {
        state.SkipWithError("cannot write the history file");
        return;
    }
    for (auto _ : state) {
        state.PauseTiming();
        auto box = historyBox();
        state.ResumeTiming();

        HistoryStore store(path);
        NoBoxes boxes;
        HistoryBox history(box.get(), store, boxes);
        history.loadAndShow();

        state.PauseTiming();
        if (box->count() != count)
            state.SkipWithError("wrong item count");
        box.reset();
        state.ResumeTiming();
    }
}

void BM_AddOneEntry(benchmark::State &state)
{
    const QString path = historyFile(QStringLiteral("add.ini"), static_cast<int>(state.range(0)));
    HistoryStore store(path);
    if (path.isEmpty() || store.load().size() != state.range(0)) {
        state.SkipWithError("cannot prepare the history file");
        return;
    }
    qint64 number = 20000000000LL; // above every loaded number, so each add is new
    const QString company = QStringLiteral("顺丰快递");
    for (auto _ : state) {
        if (store.add(QString::number(number++), company) != HistoryStore::AddResult::Added) {
            state.SkipWithError("add failed");
            break;
        }
    }
}

// Deleting one number: the equality test over the whole history and the atomic rewrite.
void BM_DeleteOneNumber(benchmark::State &state)
{
    const QString path = historyFile(QStringLiteral("delete.ini"), static_cast<int>(state.range(0)));
    HistoryStore loaded(path);
    if (path.isEmpty() || loaded.load().size() != state.range(0)) {
        state.SkipWithError("cannot prepare the history file");
        return;
    }
    const QString number = HistoryStore::entryNumber(loaded.entries().at(loaded.entries().size() / 2));
    for (auto _ : state) {
        state.PauseTiming();
        HistoryStore store = loaded;
        state.ResumeTiming();
        if (store.removeNumber(number) != 1 || !store.save()) {
            state.SkipWithError("delete failed");
            break;
        }
    }
}

void BM_PlainWrite(benchmark::State &state)
{
    const QByteArray bytes = fileBytes(static_cast<int>(state.range(0)));
    const QString path = workDir->filePath(QStringLiteral("plain.ini"));
    for (auto _ : state) {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size()) {
            state.SkipWithError("write failed");
            break;
        }
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
}

} // namespace

BENCHMARK(BM_ComboAddItems)->Arg(entryCount)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadHistoryIntoBox)->Arg(entryCount)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AddOneEntry)->Arg(entryCount)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DeleteOneNumber)->Arg(entryCount)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlainWrite)->Arg(entryCount)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    QTemporaryDir dir;
    if (!dir.isValid())
        return 1;
    workDir = &dir;

    {
        // The first fill pays for heap growth and font set-up, which is not what is measured.
        auto box = historyBox();
        box->addItems(entriesOf(entryCount));
    }

    RatioReporter reporter({
        {"BM_LoadHistoryIntoBox/100000", "BM_ComboAddItems/100000", 1.5, "load+fill 100k / bare fill 100k"},
        {"BM_AddOneEntry/100000", "", 30.0, "ms per add to a 100k history"},
        {"BM_AddOneEntry/100000", "BM_PlainWrite/100000", 0, "add to 100k history / plain write of 100k"},
        {"BM_DeleteOneNumber/100000", "BM_PlainWrite/100000", 0, "delete from 100k history / plain write"},
    });
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
