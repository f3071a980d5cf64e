// The reminder check against 100 000 events spread over ten years, at a
// moment when nothing is due: the query alone, the whole run (connection
// included), and SQLite's C API stepping through the same candidate rows.
#include "benchfiles.h"
#include "budgetreport.h"
#include "core/secondcatchup.h"
#include "db/dbsession.h"
#include "events/eventreminders.h"
#include "events/eventrules.h"
#include "sound/soundchannel.h"
#include "support/recordingsounddevice.h"
#include "support/scriptedprompts.h"
#include "support/virtualtimesource.h"


#include <benchmark/benchmark.h>
#include <sqlite3.h>

namespace {

constexpr int kEvents = 100000;
const QDate kFirstDay(2022, 1, 1);
const QDate kToday(2027, 3, 15);
const int kNow = 3 * 60; // 03:00: every event lies between 06:00 and 22:00, reminded at most an hour ahead

// Events from 2022 on, 27 or 28 a day for ten years.
void fillEvents(const DataSource &source)
{
    DbSession session(source);
    sqlite3 *db = nullptr;
    sqlite3_open(source.name().toUtf8().constData(), &db);
    sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
    sqlite3_stmt *insert = nullptr;
    sqlite3_prepare_v2(db, "INSERT INTO TOLVEX_EVENT (EvDate, EvTime, EvTitle, EvMessage, EvPlayFile, "
                           "EvRemindDate, EvWhenToRemind, EvInterval) VALUES (?, ?, ?, '', ' ', ?, ?, ?)",
                       -1, &insert, nullptr);
    for (int i = 0; i < kEvents; ++i) {
        const QDate date = kFirstDay.addDays(qint64(i) * 3652 / kEvents);
        const int time = 6 * 60 + i * 37 % (16 * 60);
        const ReminderTime first = firstReminder(date, time, i % 61);
        const QByteArray day = date.toString(Qt::ISODate).toUtf8(), remindDay = first.date.toString(Qt::ISODate).toUtf8();
        const QByteArray title = QString("Event %1").arg(i).toUtf8();
        sqlite3_bind_text(insert, 1, day.constData(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_int(insert, 2, time);
        sqlite3_bind_text(insert, 3, title.constData(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(insert, 4, remindDay.constData(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_int(insert, 5, first.minutes);
        sqlite3_bind_int(insert, 6, 5 + i % 10);
        sqlite3_step(insert);
        sqlite3_reset(insert);
    }
    sqlite3_finalize(insert);
    sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
    sqlite3_close(db);
}

const BenchFolder &eventFolder()
{
    static const BenchFolder folder;
    static const bool filled = (fillEvents(folder.source()), true);
    Q_UNUSED(filled);
    return folder;
}

void reminder_query(benchmark::State &state)
{
    const EventStore store(eventFolder().source());
    DbSession session = store.openSession();
    for (auto _ : state) {
        const auto due = store.dueEvents(session, kToday, kNow);
        if (!due.ok() || !due.value().isEmpty())
            state.SkipWithError("expected a run with nothing due");
    }
}

void reminder_run(benchmark::State &state)
{
    VirtualTimeSource time(VirtualTimeSource::fromLocal(kToday.year(), kToday.month(), kToday.day(), 3, 0, 0));
    RecordingSoundDevice sound;
    ScriptedPrompts prompts;
    SoundChannel channel(sound, time);
    EventReminders reminders(eventFolder().source(), channel, time, prompts);
    const TickSecond second{time.now(), TimeSource::toLocal(time.now()), Timeliness::OnTime};
    for (auto _ : state)
        reminders.checkEventReminders(second);
    if (!prompts.shown().isEmpty() || !sound.sent.isEmpty())
        state.SkipWithError("expected a run with nothing due");
}

// The candidates of the same day, every column read.
void reminder_query_sqlite(benchmark::State &state)
{
    sqlite3 *db = nullptr;
    sqlite3_open(eventFolder().source().name().toUtf8().constData(), &db);
    sqlite3_stmt *select = nullptr;
    sqlite3_prepare_v2(db, "Select * from TOLVEX_EVENT where EvRemindDate = ? or EvDate = ? order by EvDate, EvTime",
                       -1, &select, nullptr);
    const QByteArray today = kToday.toString(Qt::ISODate).toUtf8();
    for (auto _ : state) {
        sqlite3_bind_text(select, 1, today.constData(), -1, SQLITE_STATIC);
        sqlite3_bind_text(select, 2, today.constData(), -1, SQLITE_STATIC);
        int rows = 0;
        while (sqlite3_step(select) == SQLITE_ROW) {
            for (int column = 0; column < sqlite3_column_count(select); ++column)
                benchmark::DoNotOptimize(sqlite3_column_text(select, column));
            ++rows;
        }
        sqlite3_reset(select);
        benchmark::DoNotOptimize(rows);
    }
    sqlite3_finalize(select);
    sqlite3_close(db);
}

} // namespace

BENCHMARK(reminder_query)->Unit(benchmark::kMillisecond)->Repetitions(9)->ComputeStatistics("min", fastest)->ReportAggregatesOnly(true);
BENCHMARK(reminder_run)->Unit(benchmark::kMillisecond)->Repetitions(9)->ComputeStatistics("min", fastest)->ReportAggregatesOnly(true);
BENCHMARK(reminder_query_sqlite)->Unit(benchmark::kMillisecond)->Repetitions(9)->ComputeStatistics("min", fastest)->ReportAggregatesOnly(true);
