#include "events/eventimport.h"

#include "core/timesource.h"
#include "events/eventrules.h"

#include <QFileInfo>
#include <QStringList>
#include <QUrl>

#include <algorithm>
#include <QCoreApplication>

namespace {

constexpr int kTitleLength = 50;  // what the add dialog accepts
constexpr int kColumnLength = 255; // EvMessage and EvPlayFile

// Never half of a character beyond the basic plane.
QString cut(const QString &text, int length)
{
    if (text.size() <= length)
        return text;
    return text.left(text.at(length - 1).isHighSurrogate() ? length - 1 : length);
}

int minutesUp(qint64 seconds)
{
    return int((std::max<qint64>(seconds, 0) + 59) / 60);
}

auto order(const ReminderTime &time)
{
    return std::pair(time.date, time.minutes);
}

// An AUDIO alarm's file, when it is one the clock can play.
QString soundOf(const QList<CalendarAlarm> &alarms)
{
    for (const CalendarAlarm &alarm : alarms) {
        if (alarm.action != CalendarAlarm::Action::Audio || alarm.attach.isEmpty())
            continue;
        const QUrl url(alarm.attach);
        const QString path = url.isLocalFile() ? url.toLocalFile() : alarm.attach;
        if (QFileInfo(path).isAbsolute() && path.size() <= kColumnLength && isEventSoundFile(path))
            return path;
    }
    return {};
}

struct Reminders
{
    int lead = 0;
    int interval = kDefaultIntervalMinutes;
    bool clamped = false;
};

Reminders remindersOf(const CalendarEntry &entry)
{
    QList<CalendarAlarm> ringing;
    for (const CalendarAlarm &alarm : entry.alarms) {
        if (alarm.action == CalendarAlarm::Action::Display || alarm.action == CalendarAlarm::Action::Audio)
            ringing << alarm;
    }
    std::stable_sort(ringing.begin(), ringing.end(),
                     [](const CalendarAlarm &a, const CalendarAlarm &b) { return a.offset < b.offset; });
    Reminders reminders;
    if (ringing.isEmpty())
        return reminders;
    const CalendarAlarm &first = ringing.constFirst();
    if (!entry.allDay) {
        reminders.lead = minutesUp(-qint64(first.offset));
        reminders.clamped = reminders.lead > kMostMinutesAhead;
        reminders.lead = std::min(reminders.lead, kMostMinutesAhead);
    }
    const auto later = std::find_if(ringing.cbegin(), ringing.cend(),
                                    [&first](const CalendarAlarm &a) { return a.offset > first.offset; });
    if (first.repeatSeconds)
        reminders.interval = minutesUp(*first.repeatSeconds);
    else if (later != ringing.cend())
        reminders.interval = minutesUp(qint64(later->offset) - first.offset);
    reminders.interval = std::min(reminders.interval, kMostMinutesAhead);
    return reminders;
}

// Not before the snooze or acknowledgement (from the minute it falls in
// on), and not after the event.
ReminderTime heldReminder(const ReminderTime &first, const CalendarEntry &entry)
{
    if (!entry.heldUntil)
        return first;
    const LocalTime held = TimeSource::toLocal(*entry.heldUntil + 59);
    const ReminderTime until{held.date(), held.hour * 60 + held.minute};
    const ReminderTime event{entry.date, entry.minutes};
    const auto before = [](const ReminderTime &a, const ReminderTime &b) { return order(a) < order(b); };
    const ReminderTime reminder = before(first, until) ? until : first;
    return before(event, reminder) ? event : reminder;
}

} // namespace

QString importReport(const ImportCounts &counts)
{
    QStringList parts{QCoreApplication::translate("EventImport", "%1 %2 imported")
                          .arg(counts.imported)
                          .arg(counts.imported == 1 ? QCoreApplication::translate("EventImport", "event") : QCoreApplication::translate("EventImport", "events"))};
    const auto add = [&parts](int count, const char *one, const char *many) {
        if (count)
            parts << QCoreApplication::translate("EventImport", "%1 %2").arg(count).arg(QCoreApplication::translate("EventImport", count == 1 ? one : many));
    };
    add(counts.passed, QT_TRANSLATE_NOOP("EventImport", "had already passed"), QT_TRANSLATE_NOOP("EventImport", "had already passed"));
    add(counts.noStart, QT_TRANSLATE_NOOP("EventImport", "has no start time"), QT_TRANSLATE_NOOP("EventImport", "have no start time"));
    add(counts.alreadyThere, QT_TRANSLATE_NOOP("EventImport", "was already there"), QT_TRANSLATE_NOOP("EventImport", "were already there"));
    add(counts.repeating, QT_TRANSLATE_NOOP("EventImport", "repeats: its next time was imported"), QT_TRANSLATE_NOOP("EventImport", "repeat: the next time of each was imported"));
    add(counts.clamped, QT_TRANSLATE_NOOP("EventImport", "reminder was more than 30 minutes ahead and comes 30 minutes before"),
        QT_TRANSLATE_NOOP("EventImport", "reminders were more than 30 minutes ahead and come 30 minutes before"));
    add(counts.unknownZone, QT_TRANSLATE_NOOP("EventImport", "is in a time zone the clock does not know and was taken as local time"),
        QT_TRANSLATE_NOOP("EventImport", "are in time zones the clock does not know and were taken as local time"));
    return parts.join("; ");
}

std::optional<ImportedEvent> importedEvent(const CalendarEntry &entry, const ImportMoment &moment)
{
    if (!entry.hasStart || order({entry.date, entry.minutes}) < order({moment.today, moment.nowMinutes}))
        return std::nullopt;
    const QString summary = entry.summary.isEmpty() ? QCoreApplication::translate("EventImport", "(No title)") : entry.summary;
    const Reminders reminders = remindersOf(entry);
    const QString sound = soundOf(entry.alarms);

    ImportedEvent imported;
    EventRow &row = imported.row;
    row.date = entry.date;
    row.time = entry.minutes;
    row.title = cut(summary, kTitleLength);
    // Some programs write a description of a lone line break.
    QString message = entry.description.trimmed().isEmpty() ? QString() : entry.description;
    if (row.title != summary || message.isEmpty())
        message = message.isEmpty() ? summary : summary + "\n" + message;
    row.message = cut(message, kColumnLength);
    row.playFile = sound.isEmpty() ? QString(" ") : sound;
    row.reminder = heldReminder(firstReminder(row.date, row.time, reminders.lead), entry);
    row.interval = reminders.interval;
    row.howManyTimes = std::max(0, entry.extra(kSnoozeCountProperty).toInt());
    imported.clamped = reminders.clamped;
    return imported;
}
