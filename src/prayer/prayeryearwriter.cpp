#include "prayer/prayeryearwriter.h"

#include "db/dbsession.h"
#include "prayer/prayerstore.h"

#include <QSqlError>

namespace {

DbStatus writeDays(const PrayerStore &store, DbSession &session, const StoredYear &year,
                   const std::function<void(int day)> &progress)
{
    const DbResult<bool> hasRows = store.anyDayRows(session);
    if (!hasRows.ok())
        return hasRows;
    if (hasRows.value()) {
        const DbResult<int> inserted = store.insertMissingDays(session, 1, int(year.days.size()));
        if (!inserted.ok())
            return inserted;
    }
    return store.writeGeneratedDays(session, hasRows.value(), year.days, progress);
}

} // namespace

DbStatus writePrayerYear(const PrayerStore &store, DbSession &session, const StoredYear &year,
                         const std::function<void(int day)> &progress)
{
    if (!session.openStatus().ok())
        return session.openStatus();
    // One transaction for speed; committed even after a failure, so the rows
    // written before it stay.
    QSqlDatabase db = session.database();
    const bool inTransaction = db.transaction();
    const DbStatus status = writeDays(store, session, year, progress);
    if (inTransaction && !db.commit() && status.ok())
        return DbStatus::failure(db.lastError().text());
    return status;
}
