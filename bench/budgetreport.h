#pragma once

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <string>

// The fastest of a benchmark's repeated runs: the work is the same every
// time, so other work on the machine can only add to it.
inline double fastest(const std::vector<double> &runs)
{
    return runs.empty() ? 0.0 : *std::min_element(runs.begin(), runs.end());
}

// Keeps the fastest CPU time of every benchmark, in the unit the benchmark
// reports, so that main() can set each figure against its budget. CPU time,
// not wall time: on a machine shared with other work the wall clock also
// counts the waits for a core; alone, the two agree.
class FastestReporter : public benchmark::BenchmarkReporter
{
public:
    bool ReportContext(const Context &) override { return true; }
    void ReportRuns(const std::vector<Run> &runs) override
    {
        for (const Run &run : runs) {
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "min")
                figures[run.run_name.function_name] = run.GetAdjustedCPUTime();
        }
    }

    std::map<std::string, double> figures;
};

// "BENCH <name>: <figure> <unit> (budget <budget>, peer <peer>) ok", or OVER in place of ok.
inline bool printBenchLine(const std::string &name, double figure, const char *unit, double budget,
                           const std::string &peer)
{
    if (std::isnan(figure) || std::isnan(budget))
        return true;
    const bool ok = figure <= budget;
    std::printf("BENCH %s: %.3g %s (budget %.3g %s, peer %s) %s\n", name.c_str(), figure, unit, budget, unit,
                peer.c_str(), ok ? "ok" : "OVER");
    return ok;
}
