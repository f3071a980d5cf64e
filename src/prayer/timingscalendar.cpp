#include "prayer/timingscalendar.h"

#include "core/prayermoments.h"
#include "db/databasesetup.h"
#include "prayer/prayercall.h"
#include "prayer/prayerstore.h"
#include "prayer/prayeryearwriter.h"

#include <QHash>

#include <algorithm>
#include <QCoreApplication>

namespace {

constexpr int kMostDays = 366;

// The stored rows of the days, by date: one range of day numbers per year.
DbResult<QHash<QDate, PrayerTimes>> storedTimes(const PrayerStore &store, const QDate &first, const QDate &last)
{
    QHash<QDate, PrayerTimes> times;
    if (embeddedFileMissing(store.dataSource()))
        return times; // reading makes nothing
    DbSession session = store.openSession();
    for (QDate from = first; from <= last; from = QDate(from.year() + 1, 1, 1)) {
        const QDate to = std::min(last, QDate(from.year(), 12, 31));
        const auto rows = store.selectDayRange(session, from.dayOfYear(), to.dayOfYear());
        if (!rows.ok())
            return DbStatus(rows);
        for (const PrayerDayRow &row : rows.value())
            times.insert(QDate(from.year(), 1, 1).addDays(row.day - 1), row.times);
    }
    return times;
}

} // namespace

QList<CalendarEntry> prayerEntries(const QDate &day, const PrayerTimes &times)
{
    const bool friday = day.dayOfWeek() == Qt::Friday;
    const int noon = friday ? PrayerTimes::Jumma : PrayerTimes::Zohor;
    QList<CalendarEntry> entries;
    PrayerTimes called = times;
    called[PrayerTimes::Jumma] = times.fridayTime();
    for (int prayer : {int(PrayerTimes::Fajr), noon, int(PrayerTimes::Asr), int(PrayerTimes::Magreb),
                       int(PrayerTimes::Isha)}) {
        const int minute = fallsAtMinute(called, prayer);
        if (minute < 0)
            continue;
        CalendarEntry entry;
        entry.summary = prayerName(prayer);
        entry.uid = stableUid(QString("prayer %1 %2").arg(day.toString(Qt::ISODate), entry.summary));
        entry.date = day.addDays(minute / 1440);
        entry.minutes = minute % 1440;
        entries << entry;
    }
    return entries;
}

QString timingsPeriodProblem(const QDate &first, const QDate &last)
{
    if (last < first)
        return QCoreApplication::translate("TimingsCalendar", "The period ends before it begins. Choose a last day after the first.");
    if (first.daysTo(last) >= kMostDays)
        return QCoreApplication::translate("TimingsCalendar", "Choose a period of at most a year: the clock keeps one row of times per day of the year.");
    return {};
}

QList<CalendarEntry> yearEntries(const StoredYear &year)
{
    QList<CalendarEntry> entries;
    const QDate january1(year.year, 1, 1);
    for (qsizetype i = 0; i < year.days.size(); ++i) {
        PrayerTimes times;
        std::copy(year.days[i].begin(), year.days[i].end(), times.minutes.begin());
        entries << prayerEntries(january1.addDays(i), times);
    }
    return entries;
}

CalendarOutcome exportPrayerTimings(const QString &path, const PrayerStore &store, const QDate &first,
                                    const QDate &last, qint64 now)
{
    if (const QString problem = timingsPeriodProblem(first, last); !problem.isEmpty())
        return {false, problem};
    const auto stored = storedTimes(store, first, last);
    if (!stored.ok())
        return {false, stored.errorText()};
    QList<CalendarEntry> entries;
    for (QDate day = first; day <= last; day = day.addDays(1)) {
        if (stored.value().contains(day))
            entries << prayerEntries(day, stored.value().value(day));
    }
    if (entries.isEmpty())
        return {false, QCoreApplication::translate("TimingsCalendar", "No prayer times are stored for that period. Compute them with \"Timings by City info\" first.")};
    const QString fault = saveCalendarFile(path, writeCalendar(entries, now));
    if (!fault.isEmpty())
        return {false, fault};
    return {true, QCoreApplication::translate("TimingsCalendar", "%1 prayer times exported to %2").arg(entries.size()).arg(path)};
}
