#include "events/eventrules.h"

#include <QFileInfo>

namespace {

constexpr qint64 kDay = 1440;

// Minutes beyond 1440 move on to the next day, below 0 back to the day
// before; 1440 itself stays on its day.
ReminderTime normalised(QDate date, qint64 minutes)
{
    if (minutes > kDay) {
        const qint64 days = (minutes - 1) / kDay;
        minutes -= days * kDay;
        date = date.addDays(days);
    } else if (minutes < 0) {
        const qint64 days = (-minutes + kDay - 1) / kDay;
        minutes += days * kDay;
        date = date.addDays(-days);
    }
    return {date, int(minutes)};
}

} // namespace

bool isEventSoundFile(const QString &path)
{
    return path.right(4).compare(".wav", Qt::CaseInsensitive) == 0 && QFileInfo(path).isFile();
}

ReminderTime firstReminder(const QDate &eventDate, int eventMinutes, int leadMinutes)
{
    return normalised(eventDate, qint64(eventMinutes) - leadMinutes);
}

ReminderTime advanceReminder(const ReminderTime &current, int intervalMinutes)
{
    return normalised(current.date, qint64(current.minutes) + intervalMinutes);
}

// Past midnight it is the next day's minute: a stored 1440 would never come.
ReminderTime snoozeReminder(const LocalTime &answered, int snoozeMinutes)
{
    const qint64 minutes = qint64(answered.hour) * 60 + answered.minute + snoozeMinutes;
    return {dateOf(answered).addDays(minutes / kDay), int(minutes % kDay)};
}

bool isReminderDue(const EventRow &row, const QDate &today, int nowMinutes)
{
    const QDate &remindDay = row.reminder.date;
    const bool reminderCame = remindDay == today && row.reminder.minutes <= nowMinutes;
    const bool timeToCome = row.time >= nowMinutes;
    // A first reminder set on an earlier day than the event keeps the row
    // due, interval or not, all through the event day until its time.
    const bool remindedEarlier = row.date > remindDay;
    const bool due = (reminderCame && timeToCome)
                     || (remindedEarlier && (reminderCame || (row.date == today && timeToCome)));
    // Once the event has passed it is finished, wherever its stored reminder has moved.
    const bool passed = row.date < today || (row.date == today && !timeToCome);
    return due && !passed;
}

std::optional<ReminderTime> missedReminder(const EventRow &row, const ReminderTime &from, const ReminderTime &to)
{
    const auto order = [](const ReminderTime &t) { return std::pair(t.date, t.minutes); };
    const ReminderTime event{row.date, row.time};
    const ReminderTime cameDue = order(row.reminder) < order(from) ? from : row.reminder;
    const bool passedMeanwhile = order(from) <= order(event) && order(event) <= order(to);
    if (!passedMeanwhile || order(cameDue) > order(event))
        return std::nullopt;
    return cameDue;
}
