#include "prayer/prayeryearwriter.h"

#include "db/dbsession.h"
#include "prayer/prayerstore.h"

#include <QSqlError>

namespace {

DbStatus writeDays(const PrayerStore &store, DbSession &session, const PrayerCalcParams &params,
                   const PrayerTimeTable &table, const std::function<void(int day)> &progress)
{
    const DbResult<bool> hasRows = store.anyDayRows(session);
    if (!hasRows.ok())
        return hasRows;
    if (hasRows.value()) {
        const DbResult<int> inserted = store.insertMissingDays(session, 1, table.dayCount);
        if (!inserted.ok())
            return inserted;
    }
    QList<std::array<int, 5>> days;
    days.reserve(table.dayCount);
    for (int day = 1; day <= table.dayCount; ++day)
        days << storedFajrToIsha(params, table.rows[day - 1]);
    return store.writeGeneratedDays(session, hasRows.value(), days, progress);
}

} // namespace

std::array<int, 5> storedFajrToIsha(const PrayerCalcParams &params, const PrayerTimeTable::Row &row)
{
    return {toStoredMinutes(params, row, PrayerColumn::Fajr),
            toStoredMinutes(params, row, PrayerColumn::Zohor),
            toStoredMinutes(params, row, PrayerColumn::Asr),
            toStoredMinutes(params, row, PrayerColumn::Magreb),
            toStoredMinutes(params, row, PrayerColumn::Isha)};
}

DbStatus writePrayerYear(const PrayerStore &store, DbSession &session,
                         const PrayerCalcParams &params, const PrayerTimeTable &table,
                         const std::function<void(int day)> &progress)
{
    if (!session.openStatus().ok())
        return session.openStatus();
    // One transaction for speed; committed even after a failure, so the rows
    // written before it stay.
    QSqlDatabase db = session.database();
    const bool inTransaction = db.transaction();
    const DbStatus status = writeDays(store, session, params, table, progress);
    if (inTransaction && !db.commit() && status.ok())
        return DbStatus::failure(db.lastError().text());
    return status;
}
