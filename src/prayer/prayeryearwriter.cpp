#include "prayer/prayeryearwriter.h"

#include "app/db/dbsession.h"
#include "prayer/prayerstore.h"

#include <QSqlError>

namespace {

std::array<int, 5> StoredDay(const PrayerCalcParams &params, const PrayerTimeTable::Row &row)
{
    return {ToStoredMinutes(params, row, PrayerColumn::Fajr),
            ToStoredMinutes(params, row, PrayerColumn::Zohor),
            ToStoredMinutes(params, row, PrayerColumn::Asr),
            ToStoredMinutes(params, row, PrayerColumn::Magreb),
            ToStoredMinutes(params, row, PrayerColumn::Isha)};
}

DbStatus WriteDays(const PrayerStore &store, DbSession &session, const PrayerCalcParams &params,
                   const PrayerTimeTable &table, const std::function<void(int day)> &progress)
{
    const DbResult<bool> hasRows = store.AnyDayRows(session);
    if (!hasRows.ok())
        return hasRows;
    if (hasRows.value()) {
        const DbResult<int> inserted = store.InsertMissingDays(session, 1, table.dayCount);
        if (!inserted.ok())
            return inserted;
    }
    for (int day = 1; day <= table.dayCount; ++day) {
        const std::array<int, 5> minutes = StoredDay(params, table.rows[day - 1]);
        const DbStatus status = hasRows.value() ? store.UpdateGeneratedDay(session, day, minutes)
                                                : store.InsertGeneratedDay(session, day, minutes);
        if (!status.ok())
            return status;
        if (progress)
            progress(day);
    }
    return {};
}

} // namespace

DbStatus WritePrayerYear(const PrayerStore &store, DbSession &session,
                         const PrayerCalcParams &params, const PrayerTimeTable &table,
                         const std::function<void(int day)> &progress)
{
    if (!session.openStatus().ok())
        return session.openStatus();
    // One transaction for speed; committed even after a failure, so the rows
    // written before it stay.
    QSqlDatabase db = session.database();
    const bool inTransaction = db.transaction();
    const DbStatus status = WriteDays(store, session, params, table, progress);
    if (inTransaction && !db.commit() && status.ok())
        return DbStatus::failure(db.lastError().text());
    return status;
}
