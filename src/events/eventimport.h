#pragma once

#include "events/eventrow.h"
#include "timetext/calendarentry.h"

#include <QDate>
#include <QString>

#include <optional>

// What an import did, for the report at its end.
struct ImportCounts
{
    int imported = 0;
    int passed = 0;
    int noStart = 0;
    int alreadyThere = 0;
    // Of those imported:
    int repeating = 0;   // their next occurrence was taken
    int clamped = 0;     // a reminder more than 30 minutes ahead, brought to 30
    int unknownZone = 0; // a time zone nothing names, taken as local time
};

// "12 events imported; 3 had already passed; 1 has no start time; 2 were
// already there", then what else the user should know; parts that count 0
// are left out, all but the first.
QString importReport(const ImportCounts &counts);

// The local minute an import decides for, and when all-day events are reminded.
struct ImportMoment
{
    QDate today;
    int nowMinutes = 0;
    int allDayMinutes = 9 * 60;
};

struct ImportedEvent
{
    EventRow row;
    bool clamped = false; // the lead was more than 30 minutes
};

// The row a calendar event becomes, reminding as a row stored by "Add A New
// Event" would: nothing when it has no start or has passed.
// - The title is the summary cut to 50 characters; the message is the
//   description, after the whole summary when that was cut.
// - The lead is the earliest DISPLAY or AUDIO alarm before the start (at
//   most 30 minutes, 0 without one, 0 all-day); the interval is the alarm's
//   REPEAT/DURATION, or the gap to the next alarm, or the add dialog's.
// - A snooze or acknowledgement holds the first reminder until then, but
//   not past the event.
std::optional<ImportedEvent> importedEvent(const CalendarEntry &entry, const ImportMoment &moment);

// What carries the snooze count, which iCalendar has no place for.
inline constexpr char kSnoozeCountProperty[] = "X-CHIMEWISE-SNOOZE-COUNT";
