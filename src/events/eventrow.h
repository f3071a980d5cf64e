#pragma once

#include <QDate>
#include <QString>

// When an event's next reminder comes: a day and the minutes since its
// midnight, 0..1440 (1440 stays on its own day).
struct ReminderTime
{
    QDate date;
    int minutes = 0;

    bool operator==(const ReminderTime &) const = default;
};

// What identifies an event: there is no key column.
struct EventKey
{
    QString title;
    int time = 0; // minutes since midnight
    QDate date;

    bool operator==(const EventKey &) const = default;
};

// One row of the event table "TOLVEX_EVENT".
struct EventRow
{
    QDate date;       // EvDate
    int time = 0;     // EvTime, minutes since midnight
    QString title;    // EvTitle, the pop-up's caption
    QString message;  // EvMessage
    QString playFile; // EvPlayFile; a single blank for an event without sound
    ReminderTime reminder; // EvRemindDate, EvWhenToRemind
    int interval = 0;      // EvInterval, minutes between reminders
    int howManyTimes = 0;  // EvHowManyTimes, the snoozes so far

    EventKey key() const { return {title, time, date}; }
    bool hasSound() const { return !playFile.trimmed().isEmpty(); }
    bool operator==(const EventRow &) const = default;
};
