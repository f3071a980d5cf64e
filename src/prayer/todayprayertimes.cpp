#include "prayer/todayprayertimes.h"

#include "db/databasesetup.h"
#include "db/datasource.h"
#include "prayer/prayerstore.h"

DbResult<bool> loadTodayPrayerTimes(const DataSource &source, int dayOfYear, TodayPrayerTimes &times)
{
    // Reading creates nothing: a database that is not there yet is made by
    // the city dialog, which says so.
    if (embeddedFileMissing(source))
        return false;
    const PrayerStore store(source);
    DbSession session = store.openSession();
    const DbResult<std::optional<PrayerDayRow>> row = store.loadDayRow(session, dayOfYear);
    if (!row.ok())
        return DbStatus(row);
    if (!row.value())
        return false;
    times = row.value()->times;
    times[PrayerTimes::Jumma] = times.fridayTime();
    return true;
}
