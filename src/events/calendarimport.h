#pragma once

#include "timetext/calendarwriter.h"

#include <QString>

class EventStore;
class ProfileSettings;

struct CalendarImportSettings
{
    int allDayMinutes = 9 * 60; // when all-day events are reminded
    QString memoFolder;         // where voice messages carried in a calendar are written

    // The profile's all-day time, and "Voice memos" in the user's data folder.
    static CalendarImportSettings forUser(const ProfileSettings &profile);
};

// Reads a calendar file and stores each of its events that has a start, has
// not passed at `now` and is not there yet (same date, time and title), all
// in one transaction: a file that cannot be read, or a database that fails
// half-way, stores nothing. Done with the report, or not with the reason.
CalendarOutcome importEventCalendar(const QString &path, const EventStore &store,
                                    const CalendarImportSettings &settings, qint64 now);
