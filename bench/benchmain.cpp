// The benchmarks of the store and the astronomy, each figure set against its
// budget. Exits 1 when one is over.
#include "budgetreport.h"

#include <QApplication>

namespace {

double median(const MedianReporter &reporter, const char *name)
{
    const auto found = reporter.medians.find(name);
    return found == reporter.medians.end() ? 0.0 : found->second;
}

std::string figure(double value, const char *unit, const char *who)
{
    char text[96];
    std::snprintf(text, sizeof text, "%.3g %s %s", value, unit, who);
    return text;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv); // the reminder run's sound channel has a button and a slider
    benchmark::Initialize(&argc, argv);
    MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);

    bool ok = printBenchLine("prayer_year", median(reporter, "prayer_year"), "us", 150,
                             "npm adhan ~2300 us as quoted; not run, this project runs no other prayer-time code");
    const double sqliteWrite = median(reporter, "year_write_sqlite");
    ok &= printBenchLine("prayer_year_write", median(reporter, "year_write"), "ms", 2 * sqliteWrite,
                         figure(sqliteWrite, "ms", "SQLite C API, prepared, one transaction"));
    const double sqliteQuery = median(reporter, "reminder_query_sqlite");
    ok &= printBenchLine("reminder_query", median(reporter, "reminder_query"), "ms", 5,
                         figure(sqliteQuery, "ms", "SQLite C API, same rows"));
    ok &= printBenchLine("reminder_run", median(reporter, "reminder_run"), "ms", 5,
                         figure(sqliteQuery, "ms", "SQLite C API query alone"));
    return ok ? 0 : 1;
}
