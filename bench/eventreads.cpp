// Event reads beside SQLite's C API on the same file: the reminders' query on
// a day of 273 rows, and "View Events" on a day of 10 000 rows beside a bare
// list fed by the C API with the rows in the list's order.
#include "benchfiles.h"
#include "budgetreport.h"
#include "db/dbsession.h"
#include "events/eventrules.h"
#include "events/eventstore.h"
#include "events/eventtext.h"
#include "events/eventviewdialog.h"
#include "support/scriptedprompts.h"
#include "support/virtualtimesource.h"

#include <QTreeWidget>

#include <benchmark/benchmark.h>
#include <sqlite3.h>

namespace {

const QDate kBusyDay(2027, 3, 15);
const QDate kCrowdedDay(2027, 3, 16);
constexpr int kBusyRows = 273;
constexpr int kCrowdedRows = 10000;
const int kNow = 12 * 60;

void addRows(sqlite3 *db, const QDate &date, int count)
{
    sqlite3_stmt *insert = nullptr;
    sqlite3_prepare_v2(db, "INSERT INTO TOLVEX_EVENT (EvDate, EvTime, EvTitle, EvMessage, EvPlayFile, "
                           "EvRemindDate, EvWhenToRemind, EvInterval) VALUES (?, ?, ?, 'Bring the papers', ' ', ?, ?, 5)",
                       -1, &insert, nullptr);
    const QByteArray day = date.toString(Qt::ISODate).toUtf8();
    for (int i = 0; i < count; ++i) {
        const QByteArray title = QString("Event %1").arg(i * 7919 % count).toUtf8();
        sqlite3_bind_text(insert, 1, day.constData(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_int(insert, 2, i * 37 % 1440);
        sqlite3_bind_text(insert, 3, title.constData(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(insert, 4, day.constData(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_int(insert, 5, 0); // reminded from midnight on: due until their time
        sqlite3_step(insert);
        sqlite3_reset(insert);
    }
    sqlite3_finalize(insert);
}

const BenchFolder &daysFolder()
{
    static const BenchFolder folder;
    static const bool filled = [] {
        { DbSession made(folder.source()); }
        sqlite3 *db = nullptr;
        sqlite3_open(folder.source().name().toUtf8().constData(), &db);
        sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
        addRows(db, kBusyDay, kBusyRows);
        addRows(db, kCrowdedDay, kCrowdedRows);
        sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
        sqlite3_close(db);
        return true;
    }();
    Q_UNUSED(filled);
    return folder;
}

QString text(sqlite3_stmt *row, int column)
{
    return QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(row, column)),
                             sqlite3_column_bytes(row, column));
}

QDate date(sqlite3_stmt *row, int column)
{
    return QDate::fromString(text(row, column), Qt::ISODate);
}

void due_query_busy_day(benchmark::State &state)
{
    const EventStore store(daysFolder().source());
    DbSession session = store.openSession();
    for (auto _ : state) {
        const auto due = store.dueEvents(session, kBusyDay, kNow);
        if (!due.ok() || due.value().isEmpty())
            state.SkipWithError("expected rows due");
    }
}

// The same rows into the same rows of the program, through the C API.
void due_query_busy_day_sqlite(benchmark::State &state)
{
    sqlite3 *db = nullptr;
    sqlite3_open(daysFolder().source().name().toUtf8().constData(), &db);
    sqlite3_stmt *select = nullptr;
    sqlite3_prepare_v2(db, "Select EvDate, EvTime, EvTitle, EvMessage, EvPlayFile, EvRemindDate, EvWhenToRemind, "
                           "EvInterval, EvHowManyTimes from TOLVEX_EVENT where EvRemindDate = ? or EvDate = ? "
                           "order by EvDate, EvTime",
                       -1, &select, nullptr);
    const QByteArray day = kBusyDay.toString(Qt::ISODate).toUtf8();
    for (auto _ : state) {
        sqlite3_bind_text(select, 1, day.constData(), -1, SQLITE_STATIC);
        sqlite3_bind_text(select, 2, day.constData(), -1, SQLITE_STATIC);
        QList<EventRow> due;
        while (sqlite3_step(select) == SQLITE_ROW) {
            const EventRow row{date(select, 0), sqlite3_column_int(select, 1), text(select, 2), text(select, 3),
                               text(select, 4), {date(select, 5), sqlite3_column_int(select, 6)},
                               sqlite3_column_int(select, 7), sqlite3_column_int(select, 8)};
            if (isReminderDue(row, kBusyDay, kNow))
                due << row;
        }
        sqlite3_reset(select);
        benchmark::DoNotOptimize(due);
    }
    sqlite3_finalize(select);
    sqlite3_close(db);
}

void view_events_crowded_day(benchmark::State &state)
{
    const EventStore store(daysFolder().source());
    ScriptedPrompts prompts;
    const VirtualTimeSource time(VirtualTimeSource::fromLocal(2027, 3, 16, 12, 0, 0));
    EventViewDialog dialog(store, prompts, time);
    for (auto _ : state)
        dialog.refreshList();
    if (!prompts.shown().isEmpty())
        state.SkipWithError("the list was not read");
}

// A list of the same lines in the same order, fed by the C API.
void view_events_crowded_day_bare_list(benchmark::State &state)
{
    sqlite3 *db = nullptr;
    sqlite3_open(daysFolder().source().name().toUtf8().constData(), &db);
    sqlite3_stmt *select = nullptr;
    sqlite3_prepare_v2(db, "Select EvTime, EvTitle from TOLVEX_EVENT where EvDate = ? order by "
                           "case when EvTime / 60 % 12 = 0 then 12 else EvTime / 60 % 12 end, EvTime % 60, "
                           "EvTime / 720, EvTitle",
                       -1, &select, nullptr);
    const QByteArray day = kCrowdedDay.toString(Qt::ISODate).toUtf8();
    QTreeWidget list;
    for (auto _ : state) {
        list.clear();
        sqlite3_bind_text(select, 1, day.constData(), -1, SQLITE_STATIC);
        while (sqlite3_step(select) == SQLITE_ROW)
            new QTreeWidgetItem(&list, {eventListText(sqlite3_column_int(select, 0), text(select, 1))});
        sqlite3_reset(select);
        list.setCurrentItem(list.topLevelItem(0));
    }
    sqlite3_finalize(select);
    sqlite3_close(db);
}

} // namespace

BENCHMARK(due_query_busy_day)->Unit(benchmark::kMicrosecond)->Repetitions(9)->ComputeStatistics("min", fastest)->ReportAggregatesOnly(true);
BENCHMARK(due_query_busy_day_sqlite)->Unit(benchmark::kMicrosecond)->Repetitions(9)->ComputeStatistics("min", fastest)->ReportAggregatesOnly(true);
BENCHMARK(view_events_crowded_day)->Unit(benchmark::kMillisecond)->Repetitions(9)->ComputeStatistics("min", fastest)->ReportAggregatesOnly(true);
BENCHMARK(view_events_crowded_day_bare_list)->Unit(benchmark::kMillisecond)->Repetitions(9)->ComputeStatistics("min", fastest)->ReportAggregatesOnly(true);
