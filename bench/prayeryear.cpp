// A city-year of prayer times: the astronomy and the minutes stored for each day.
#include "benchfiles.h"
#include "budgetreport.h"

#include <benchmark/benchmark.h>

namespace {

void prayer_year(benchmark::State &state)
{
    const PrayerCalcParams dhaka = dhaka2026();
    for (auto _ : state) {
        const PrayerTimeTable table = computePrayerYear(dhaka);
        int sum = 0;
        for (int day = 0; day < table.dayCount; ++day) {
            for (const PrayerColumn prayer : {PrayerColumn::Fajr, PrayerColumn::Zohor, PrayerColumn::Asr,
                                              PrayerColumn::Magreb, PrayerColumn::Isha})
                sum += toStoredMinutes(dhaka, table.rows[day], prayer);
        }
        benchmark::DoNotOptimize(sum);
    }
}

} // namespace

BENCHMARK(prayer_year)->Unit(benchmark::kMicrosecond)->Repetitions(9)->ComputeStatistics("min", fastest)->ReportAggregatesOnly(true);
