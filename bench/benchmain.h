#pragma once

#include "bench/ratioreporter.h"

#include <QApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <functional>
#include <string>
#include <utility>
#include <vector>

// A benchmark program's main(): Qt Widgets on the offscreen platform unless QT_QPA_PLATFORM names
// another, Google Benchmark's own arguments, a temporary folder for the run's files, `prepare`
// with that folder (what the benchmarks share, and a first fill that pays for heap growth and font
// set-up, which is not what is measured), then the benchmarks, reported against `goals`.
// Returns the exit status: 1 for an unknown argument, a folder that cannot be made, a guarded
// ratio that misses its goal, or, in a run of every benchmark, a goal that names none (see
// RatioReporter).
inline int benchmarkMain(int argc, char **argv, std::vector<RatioReporter::Goal> goals,
                         const std::function<void(QTemporaryDir &)> &prepare = {})
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
    if (prepare)
        prepare(dir);
    const std::string filter = benchmark::GetBenchmarkFilter();
    RatioReporter reporter(std::move(goals), filter.empty() || filter == "." || filter == "all");
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return reporter.failed() ? 1 : 0;
}
