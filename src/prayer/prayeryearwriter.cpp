#include "prayer/prayeryearwriter.h"

#include "db/dbsession.h"
#include "prayer/prayerstore.h"

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
    // One transaction: a failure half-way leaves the year there before whole.
    return session.transaction([&] { return writeDays(store, session, year, progress); });
}
