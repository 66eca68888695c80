#pragma once
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace treluza::bench {

/** A console reporter that also keeps the real time per iteration of every
 *  benchmark (the median when it is repeated), so that main() can print ratios
 *  between benchmarks. Compared benchmarks must use the same time unit. */
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const auto& run : runs) {
            const std::string& name = run.run_name.function_name;
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median") {
                m_times[name] = run.GetAdjustedRealTime();
                m_median.insert(name);
            } else if (run.run_type == Run::RT_Iteration && run.iterations > 0 && !m_median.count(name)) {
                m_times[name] = run.GetAdjustedRealTime();
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }
    double time(const std::string& name) const
    {
        const auto it = m_times.find(name);
        return it == m_times.end() ? 0.0 : it->second;
    }
    /** Prints measured / baseline and whether it meets the goal. */
    void printRatio(const std::string& measured, const std::string& baseline, double goal) const
    {
        printRatio(measured, std::vector<std::string>{baseline}, goal);
    }
    /** The same against the sum of several baselines. */
    void printRatio(const std::string& measured, const std::vector<std::string>& baselines, double goal) const
    {
        double b = 0;
        std::string names;
        bool all = time(measured) > 0;
        for (const std::string& name : baselines) {
            all = all && time(name) > 0;
            b += time(name);
            names += (names.empty() ? "" : " + ") + name;
        }
        if (!all) {
            std::printf("ratio %s / %s: not measured in this run\n", measured.c_str(), names.c_str());
            return;
        }
        const double r = time(measured) / b;
        std::printf("ratio %s / %s = %.2f (goal <= %.2f: %s)\n", measured.c_str(), names.c_str(), r, goal,
                    r <= goal ? "met" : "NOT met");
    }

private:
    std::map<std::string, double> m_times;
    std::set<std::string> m_median;
};

} // namespace treluza::bench
