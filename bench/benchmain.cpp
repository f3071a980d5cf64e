// The benchmarks of the store and the astronomy, each figure set against its
// budget. Exits 1 when one is over.
#include "budgetreport.h"

#include <QApplication>

namespace {

// A benchmark left out by --benchmark_filter reads as NaN, and its line is not printed.
double figure(const FastestReporter &reporter, const char *name)
{
    const auto found = reporter.figures.find(name);
    return found == reporter.figures.end() ? std::nan("") : found->second;
}

std::string peer(double value, const char *unit, const char *who)
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
    FastestReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);

    bool ok = printBenchLine("prayer_year", figure(reporter, "prayer_year"), "us", 150,
                             "npm adhan ~2300 us as quoted; not run, this project runs no other prayer-time code");
    const double sqliteWrite = figure(reporter, "year_write_sqlite"); // NaN when left out: no line
    ok &= printBenchLine("prayer_year_write", figure(reporter, "year_write"), "ms", 2 * sqliteWrite,
                         peer(sqliteWrite, "ms", "SQLite C API, prepared, one transaction"));
    const double sqliteQuery = figure(reporter, "reminder_query_sqlite");
    ok &= printBenchLine("reminder_query", figure(reporter, "reminder_query"), "ms", 5,
                         peer(sqliteQuery, "ms", "SQLite C API, same rows"));
    ok &= printBenchLine("reminder_run", figure(reporter, "reminder_run"), "ms", 5,
                         peer(sqliteQuery, "ms", "SQLite C API query alone"));
    const double busyDay = figure(reporter, "due_query_busy_day_sqlite");
    ok &= printBenchLine("due_query_273_rows", figure(reporter, "due_query_busy_day"), "us", 2 * busyDay,
                         peer(busyDay, "us", "SQLite C API into the same rows"));
    const double bareList = figure(reporter, "view_events_crowded_day_bare_list");
    ok &= printBenchLine("view_events_10000_rows", figure(reporter, "view_events_crowded_day"), "ms", 1.5 * bareList,
                         peer(bareList, "ms", "a bare list fed by the SQLite C API"));
    return ok ? 0 : 1;
}
