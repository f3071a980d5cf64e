#pragma once

#include "core/timesource.h"
#include "events/eventrow.h"

#include <optional>

// What "Add A New Event" starts with, and the most it accepts, in minutes.
inline constexpr int kDefaultLeadMinutes = 15;
inline constexpr int kDefaultIntervalMinutes = 5;
inline constexpr int kMostMinutesAhead = 30; // for the lead and the interval alike

// A sound an event can play: an existing file whose name ends in ".wav" (any case).
bool isEventSoundFile(const QString &path);

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

// "Remind again": the snooze minutes from the minute the pop-up was answered,
// however late it was shown or answered.
ReminderTime snoozeReminder(const LocalTime &answered, int snoozeMinutes);

// Whether a run at that moment (today, minutes since midnight) takes the row.
bool isReminderDue(const EventRow &row, const QDate &today, int nowMinutes);

// Minutes that were never checked, from..to: a row whose reminder came in
// them and whose event passed in them will never be reminded. When it came
// due, if so.
std::optional<ReminderTime> missedReminder(const EventRow &row, const ReminderTime &from, const ReminderTime &to);
