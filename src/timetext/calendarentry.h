#pragma once

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QString>

#include <optional>
#include <utility>

// One alarm of a calendar event (VALARM).
struct CalendarAlarm
{
    enum class Action { Display, Audio, Email, Other };

    Action action = Action::Display;
    int offset = 0; // seconds from the event's start to the first ring; negative before it
    int repeat = 0; // REPEAT: rings after the first
    std::optional<int> repeatSeconds; // DURATION between the rings, when REPEAT and DURATION are given
    QString attach; // ATTACH as written: a URI, or a path
};

// One event (VEVENT) of a calendar file, its start on the clock's local
// wall clock. What a file lacks stays empty.
struct CalendarEntry
{
    QString uid;
    QString summary;
    QString description;
    bool hasStart = false;
    bool allDay = false;      // DTSTART;VALUE=DATE: starts at the reader's all-day time
    bool repeats = false;     // RRULE: the start is the occurrence the reader chose
    bool zoneUnknown = false; // a TZID nothing resolves: its wall time taken as local
    QDate date;               // local
    int minutes = 0;          // local, since midnight
    qint64 start = 0;         // calendar seconds
    QList<CalendarAlarm> alarms;
    // The latest snooze or acknowledgement of its alarms, in calendar seconds
    // (X-MOZ-SNOOZE-TIME, X-MOZ-LASTACK, ACKNOWLEDGED).
    std::optional<qint64> heldUntil;
    // Properties of its own, "X-CHIMEWISE-…", with their values as written.
    QList<std::pair<QByteArray, QByteArray>> extras;

    QByteArray extra(const QByteArray &name) const
    {
        for (const auto &[key, value] : extras) {
            if (key == name)
                return value;
        }
        return {};
    }
};
