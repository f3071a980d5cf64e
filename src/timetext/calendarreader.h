#pragma once

#include "timetext/calendarentry.h"

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QString>

// The local minute from which an event has not passed yet, and when an
// all-day event starts on its day (minutes since midnight).
struct CalendarReadFrom
{
    QDate date;
    int minutes = 0;
    int allDayMinutes = 9 * 60;
};

struct CalendarReading
{
    QList<CalendarEntry> entries; // in the order of the file
    QString error;                // empty when read; else names the line at fault
};

// Every VEVENT of an iCalendar text (RFC 5545), through libical. A start
// with a TZID is resolved through the file's VTIMEZONE, a zone name or a
// Windows zone name; "…Z" is UTC; a floating start is local time. A
// repeating event (RRULE, less its EXDATEs and the occurrences written out
// on their own) gives its first occurrence that has not passed. Nothing is
// read from a text that fails checkCalendarLines.
CalendarReading readCalendar(const QByteArray &text, const CalendarReadFrom &from);
