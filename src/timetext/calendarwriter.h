#pragma once

#include "timetext/calendarentry.h"

#include <QByteArray>
#include <QList>
#include <QString>

// An iCalendar text (RFC 5545) through libical: one VEVENT per entry with
// its UID, DTSTAMP (`stamp`, calendar seconds), DTSTART at the entry's
// local date and minutes, SUMMARY, DESCRIPTION, its DISPLAY and AUDIO alarms
// and its extras. Starts are in the clock's own zone, described by its
// VTIMEZONE, or in UTC where libical knows no zone of that name.
QByteArray writeCalendar(const QList<CalendarEntry> &entries, qint64 stamp);

// The same key gives the same UID in every export.
QString stableUid(const QString &key);

// What a calendar command tells the user: whether it was done, and its
// report or what went wrong.
struct CalendarOutcome
{
    bool done = false;
    QString text;
};

// Writes the calendar in one piece: a file half written never replaces the
// one there. Empty on success, else what went wrong and what to do.
QString saveCalendarFile(const QString &path, const QByteArray &text);
