#pragma once

#include "core/timesource.h"
#include "events/eventrow.h"

// The arithmetic of reminders. Every function takes the moment it decides
// for; none reads the clock.

inline QDate dateOf(const LocalTime &local)
{
    return QDate(local.year, local.month, local.day);
}

// lead minutes before the event; a lead past midnight puts it on the evening before.
ReminderTime firstReminder(const QDate &eventDate, int eventMinutes, int leadMinutes);

// Where a run moves the stored reminder once it has found it due.
ReminderTime advanceReminder(const ReminderTime &current, int intervalMinutes);

// "Remind again": the reminder the pop-up was shown for (the advanced one
// less the interval), plus the snooze minutes and the whole minutes the
// pop-up stood open.
ReminderTime snoozeReminder(const ReminderTime &advanced, int intervalMinutes, int snoozeMinutes,
                            int elapsedMinutes);

// Whether a run at that moment (today, minutes since midnight) takes the row.
bool isReminderDue(const EventRow &row, const QDate &today, int nowMinutes);
