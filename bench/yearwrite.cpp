// Writing a year of prayer rows into a new SQLite file: the store's own
// write, and SQLite's C API inserting the same rows with one prepared
// statement in one transaction.
#include "benchfiles.h"
#include "prayer/storedyear.h"
#include "budgetreport.h"
#include "prayer/prayerstore.h"
#include "prayer/prayeryearwriter.h"

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <memory>

namespace {

// A fresh file with the program's tables, as a first generation finds it.
std::unique_ptr<DbSession> freshDatabase(const DataSource &source)
{
    for (const char *suffix : {"", "-wal", "-shm"})
        QFile::remove(source.name() + suffix);
    return std::make_unique<DbSession>(source);
}

void year_write(benchmark::State &state)
{
    const BenchFolder folder;
    const PrayerStore store(folder.source());
    const StoredYear year = computeStoredYear(PrayerYearPlan{dhaka2026()});
    for (auto _ : state) {
        state.PauseTiming();
        std::unique_ptr<DbSession> session = freshDatabase(folder.source());
        state.ResumeTiming();
        if (!writePrayerYear(store, *session, year, {}).ok())
            state.SkipWithError("the store refused the year");
        state.PauseTiming();
        session.reset(); // closed untimed, as the peer's connection is
        state.ResumeTiming();
    }
}

void year_write_sqlite(benchmark::State &state)
{
    const BenchFolder folder;
    const StoredYear year = computeStoredYear(PrayerYearPlan{dhaka2026()});
    for (auto _ : state) {
        state.PauseTiming();
        freshDatabase(folder.source()); // made and closed again: same tables, same journal
        sqlite3 *db = nullptr;
        sqlite3_open(folder.source().name().toUtf8().constData(), &db);
        sqlite3_exec(db, "PRAGMA synchronous = NORMAL", nullptr, nullptr, nullptr);
        state.ResumeTiming();
        sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
        sqlite3_stmt *insert = nullptr;
        sqlite3_prepare_v2(db, "INSERT INTO Naamaz (Days, Fajr, Zohor, Asr, Magreb, Isha) VALUES (?, ?, ?, ?, ?, ?)",
                           -1, &insert, nullptr);
        for (int day = 1; day <= int(year.days.size()); ++day) {
            sqlite3_bind_int(insert, 1, day);
            int column = 2;
            for (const int minutes : year.days[day - 1])
                sqlite3_bind_int(insert, column++, minutes);
            sqlite3_step(insert);
            sqlite3_reset(insert);
        }
        sqlite3_finalize(insert);
        sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
        state.PauseTiming();
        sqlite3_close(db);
        state.ResumeTiming();
    }
}

} // namespace

BENCHMARK(year_write)->Unit(benchmark::kMillisecond)->Iterations(30)->Repetitions(9)->ComputeStatistics("min", fastest)->ReportAggregatesOnly(true);
BENCHMARK(year_write_sqlite)->Unit(benchmark::kMillisecond)->Iterations(30)->Repetitions(9)->ComputeStatistics("min", fastest)->ReportAggregatesOnly(true);
