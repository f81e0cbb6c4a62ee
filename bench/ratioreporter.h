#pragma once

#include <benchmark/benchmark.h>
#include <cstdio>
#include <map>
#include <string>
#include <unistd.h>
#include <utility>
#include <vector>

// Console output as usual, then the figures that the goals are stated in, from CPU time: ratios
// between named runs, or one run's milliseconds. Each figure is a row of the README's table
// ("| what | figure | goal |"), which bench/report.sh collects.
//
// The guard against regressions fails the program (exit status 1): a benchmark that stops with an
// error (its work came out wrong), and a ratio with a goal whose two runs are both medians of at
// least five repetitions when it misses its goal, or, for a row that keeps a margin because its
// figure swings past the goal on a quiet machine, when it is beyond the goal times that margin. A time of its
// own, or a counter the benchmark reports (peak memory in MiB, say), fails only when its goal says it is
// guarded: most depend on the machine more than on the program, but some goals are absolute (a refusal that
// must stay instant).
class RatioReporter : public benchmark::ConsoleReporter {
public:
    struct Goal {
        std::string numerator;
        std::string denominator; // empty: the numerator's own CPU time in milliseconds, or its counter
        double limit;            // 0: shown for comparison, no goal
        std::string what;
        // The guard fails beyond limit × margin: above 1 only for a figure whose spread needs it.
        double margin = 1;
        std::string counter = {}; // the numerator's counter of that name instead of its time
        bool guarded = false;     // a time or counter of its own that fails the program when missed
    };

    // whole: every benchmark runs (no filter), so every goal must find its runs.
    RatioReporter(std::vector<Goal> goals, bool whole)
        : ConsoleReporter(isatty(STDOUT_FILENO) ? OO_ColorTabular : OO_Tabular), m_goals(std::move(goals)),
          m_whole(whole)
    {
    }

    void ReportRuns(const std::vector<Run> &reports) override
    {
        ConsoleReporter::ReportRuns(reports);
        for (const Run &run : reports) {
            // A benchmark that could not measure (wrong results, a file it could not make) fails.
            m_failed = m_failed || run.error_occurred;
            if (run.error_occurred)
                continue;
            // With repetitions the median stands for the benchmark; alone, its one run does.
            std::map<std::string, double> counters;
            for (const auto &[name, counter] : run.counters)
                counters[name] = counter.value;
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median")
                m_medians[nameOf(run)] = {msPerIteration(run), run.repetitions >= minimumRepetitions,
                                          counters};
            else if (run.run_type == Run::RT_Iteration)
                m_runs[nameOf(run)] = {msPerIteration(run), false, counters};
        }
    }

    void Finalize() override
    {
        ConsoleReporter::Finalize();
        std::printf("\n");
        for (const auto &[name, figure] : m_medians)
            m_runs[name] = figure;
        for (const Goal &goal : m_goals) {
            const auto top = m_runs.find(goal.numerator);
            const auto bottom = m_runs.find(goal.denominator);
            if (top == m_runs.end() || (!goal.denominator.empty() && bottom == m_runs.end())) {
                // Filtered out of this run; in a whole run, a goal that names no benchmark fails.
                m_failed = m_failed || m_whole;
                if (m_whole)
                    std::printf("| %s | not measured | GUARD FAILED |\n", goal.what.c_str());
                continue;
            }
            const bool ratio = !goal.denominator.empty();
            const auto counter = top->second.counters.find(goal.counter);
            if (!goal.counter.empty() && counter == top->second.counters.end())
                continue; // not measured here (no /proc, say)
            const double value = !goal.counter.empty() ? counter->second
                                 : ratio               ? top->second.ms / bottom->second.ms
                                                       : top->second.ms;
            const std::string unit = !goal.counter.empty() ? " " + goal.counter : ratio ? "" : " ms";
            if (goal.limit <= 0) {
                std::printf("| %s | %.2f%s | — |\n", goal.what.c_str(), value, unit.c_str());
                continue;
            }
            const bool guarded =
                (ratio || goal.guarded) && top->second.repeated && (!ratio || bottom->second.repeated);
            const bool broken = guarded && value > goal.limit * goal.margin;
            m_failed = m_failed || broken;
            std::printf("| %s | %.2f%s | ≤ %g%s, %s%s |\n", goal.what.c_str(), value, unit.c_str(),
                        goal.limit, unit.c_str(), value <= goal.limit ? "met" : "MISSED",
                        broken ? ", GUARD FAILED" : "");
        }
        std::fflush(stdout);
    }

    bool failed() const { return m_failed; }

private:
    static constexpr int minimumRepetitions = 5;

    struct Figure {
        double ms;
        bool repeated; // the median of enough repetitions to be guarded
        std::map<std::string, double> counters;
    };

    // A run is named by its function and arguments: a minimum time set on it is not part of its name.
    static std::string nameOf(const Run &run)
    {
        const auto &name = run.run_name;
        return name.args.empty() ? name.function_name : name.function_name + "/" + name.args;
    }

    static double msPerIteration(const Run &run)
    {
        // CPU time, whatever unit the benchmark reports in.
        return run.cpu_accumulated_time / static_cast<double>(run.iterations) * 1000.0;
    }

    std::vector<Goal> m_goals;
    std::map<std::string, Figure> m_runs;
    std::map<std::string, Figure> m_medians;
    bool m_whole;
    bool m_failed = false;
};
