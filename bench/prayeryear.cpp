// A city-year of prayer times: the astronomy and the minutes stored for each day.
#include "benchfiles.h"
#include "budgetreport.h"
#include "prayer/storedyear.h"

#include <benchmark/benchmark.h>

namespace {

void prayer_year(benchmark::State &state)
{
    PrayerYearPlan dhaka{dhaka2026()};
    dhaka.zone = QTimeZone("Asia/Dhaka");
    for (auto _ : state) {
        const StoredYear year = computeStoredYear(dhaka);
        benchmark::DoNotOptimize(year.days.constData());
    }
}

} // namespace

BENCHMARK(prayer_year)->Unit(benchmark::kMicrosecond)->Repetitions(9)->ComputeStatistics("min", fastest)->ReportAggregatesOnly(true);
