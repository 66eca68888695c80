#pragma once
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace treluza::bench {

/** A console reporter that also keeps the real time per iteration of every run,
 *  so that main() can print ratios between benchmarks. */
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const auto& run : runs) {
            if (run.run_type == Run::RT_Iteration && run.iterations > 0)
                m_seconds[run.run_name.function_name] = run.real_accumulated_time / static_cast<double>(run.iterations);
        }
        ConsoleReporter::ReportRuns(runs);
    }
    double seconds(const std::string& name) const
    {
        const auto it = m_seconds.find(name);
        return it == m_seconds.end() ? 0.0 : it->second;
    }
    /** Prints measured / baseline and whether it meets the goal. */
    void printRatio(const std::string& measured, const std::string& baseline, double goal) const
    {
        const double b = seconds(baseline);
        const double r = b > 0 ? seconds(measured) / b : 0.0;
        std::printf("ratio %s / %s = %.2f (goal <= %.2f: %s)\n", measured.c_str(), baseline.c_str(), r, goal,
                    r <= goal ? "met" : "NOT met");
    }

private:
    std::map<std::string, double> m_seconds;
};

}  // namespace treluza::bench
