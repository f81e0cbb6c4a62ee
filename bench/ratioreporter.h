#pragma once

#include <benchmark/benchmark.h>
#include <cstdio>
#include <map>
#include <string>
#include <unistd.h>
#include <utility>
#include <vector>

// Console output as usual, then the ratios between named runs that the goals are stated in.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    struct Goal {
        std::string numerator;
        std::string denominator; // empty: the numerator's own time in milliseconds
        double limit;            // 0: shown for comparison, no goal
        std::string what;
        bool cpu = false; // compares CPU time instead of real time
    };

    explicit RatioReporter(std::vector<Goal> goals)
        : ConsoleReporter(isatty(STDOUT_FILENO) ? OO_ColorTabular : OO_Tabular), m_goals(std::move(goals))
    {
    }

    void ReportRuns(const std::vector<Run> &reports) override
    {
        ConsoleReporter::ReportRuns(reports);
        for (const Run &run : reports) {
            if (run.error_occurred)
                continue;
            // With repetitions the median stands for the benchmark; alone, its one run does.
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median") {
                m_medianMs[run.run_name.str()] = msPerIteration(run);
                m_medianCpuMs[run.run_name.str()] = cpuMsPerIteration(run);
            } else if (run.run_type == Run::RT_Iteration) {
                m_ms[run.run_name.str()] = msPerIteration(run);
                m_cpuMs[run.run_name.str()] = cpuMsPerIteration(run);
            }
        }
    }

    void Finalize() override
    {
        ConsoleReporter::Finalize();
        std::printf("\n");
        for (const auto &[name, ms] : m_medianMs)
            m_ms[name] = ms;
        for (const auto &[name, ms] : m_medianCpuMs)
            m_cpuMs[name] = ms;
        for (const Goal &goal : m_goals) {
            const std::map<std::string, double> &ms = goal.cpu ? m_cpuMs : m_ms;
            const auto top = ms.find(goal.numerator);
            const auto bottom = ms.find(goal.denominator);
            if (top == ms.end() || (!goal.denominator.empty() && bottom == ms.end()))
                continue; // filtered out of this run
            const double value = goal.denominator.empty() ? top->second : top->second / bottom->second;
            if (goal.limit > 0)
                std::printf("%-50s %8.2f  (goal <= %.2f: %s)\n", goal.what.c_str(), value, goal.limit,
                            value <= goal.limit ? "met" : "MISSED");
            else
                std::printf("%-50s %8.2f\n", goal.what.c_str(), value);
        }
        std::fflush(stdout);
    }

private:
    static double msPerIteration(const Run &run)
    {
        // Real time, whatever unit the benchmark reports in.
        const double seconds = run.real_accumulated_time / static_cast<double>(run.iterations);
        return seconds * 1000.0;
    }

    static double cpuMsPerIteration(const Run &run)
    {
        return run.cpu_accumulated_time / static_cast<double>(run.iterations) * 1000.0;
    }

    std::vector<Goal> m_goals;
    std::map<std::string, double> m_ms;
    std::map<std::string, double> m_medianMs;
    std::map<std::string, double> m_cpuMs;
    std::map<std::string, double> m_medianCpuMs;
};
