#include "events/eventexport.h"

#include "events/eventimport.h"
#include "events/eventstore.h"
#include "events/voicememo.h"

#include <QUrl>

#include <algorithm>
#include <QCoreApplication>

namespace {

qint64 minutesOn(const QDate &date, int minutes)
{
    return date.toJulianDay() * 1440 + minutes;
}

} // namespace

CalendarEntry calendarEntryFor(const EventRow &row)
{
    CalendarEntry entry;
    entry.uid = stableUid(QString("%1 %2 %3").arg(row.date.toString(Qt::ISODate)).arg(row.time).arg(row.title));
    entry.summary = row.title;
    entry.description = row.message;
    entry.date = row.date;
    entry.minutes = row.time;
    const qint64 lead = row.reminder.date.isValid()
        ? std::clamp<qint64>(minutesOn(row.date, row.time) - minutesOn(row.reminder.date, row.reminder.minutes), 0, 1440)
        : 0;
    CalendarAlarm display;
    display.offset = int(-lead * 60);
    display.repeat = row.interval > 0 ? int(lead / row.interval) : 0;
    display.repeatSeconds = std::max(row.interval, 0) * 60;
    entry.alarms << display;
    if (row.hasSound()) {
        CalendarAlarm audio = display;
        audio.action = CalendarAlarm::Action::Audio;
        audio.attach = QUrl::fromLocalFile(row.playFile).toString(QUrl::FullyEncoded);
        entry.alarms << audio;
        const QByteArray memo = voiceMemoOf(row.playFile);
        if (!memo.isEmpty())
            entry.extras.emplace_back(kVoiceMemoProperty, memo);
    }
    if (row.howManyTimes > 0)
        entry.extras.emplace_back(kSnoozeCountProperty, QByteArray::number(row.howManyTimes));
    return entry;
}

CalendarOutcome exportEventCalendar(const QString &path, const EventStore &store, qint64 now)
{
    if (!store.databaseThere())
        return {false, QCoreApplication::translate("EventExport", "There are no events to export.")};
    DbSession session = store.openSession();
    const DbResult<QList<EventRow>> rows = store.allEvents(session);
    if (!rows.ok())
        return {false, rows.errorText()};
    if (rows.value().isEmpty())
        return {false, QCoreApplication::translate("EventExport", "There are no events to export.")};
    QList<CalendarEntry> entries;
    for (const EventRow &row : rows.value())
        entries << calendarEntryFor(row);
    const QString fault = saveCalendarFile(path, writeCalendar(entries, now));
    if (!fault.isEmpty())
        return {false, fault};
    const qsizetype count = entries.size();
    return {true, QCoreApplication::translate("EventExport", "%1 %2 exported to %3")
                       .arg(count)
                       .arg(count == 1 ? QCoreApplication::translate("EventExport", "event") : QCoreApplication::translate("EventExport", "events"), path)};
}
