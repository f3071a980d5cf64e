#pragma once

#include "core/minuteofday.h"
#include "core/prayermoments.h"
#include "core/prayertimes.h"
#include "core/profilesettings.h"
#include "core/timesource.h"

// What falls due at one checked second, decided from its local date and
// time alone; none of these reads the clock.

// Interval index 0, 1, 2: every 15, 30, 60 minutes on the local clock;
// anything else never.
bool isAnnouncementDue(int intervalIndex, const LocalTime &second);

// The prayer whose time falls on this second, or -1: the second's own day's
// times, and the Magreb or Isha of the evening before when it is past
// midnight. On a Friday Jumma is called instead of Zohor; on the other days
// Jumma is passed over. The first in the order Fajr .. Jumma wins.
int duePrayer(const PrayerRows &rows, const LocalTime &second);

// The prayer whose alert falls on this second (its minutes before it, Jumma
// taking Zohor's), if any; the prayer may be past the next midnight.
std::optional<PrayerMoment> duePrayerAlert(const PrayerRows &rows, const PrayerAlerts &alerts,
                                           const LocalTime &second);

// Whether the days (bits, Monday the lowest) hold this weekday (0 = Sunday).
bool ringsOnWeekday(int days, int weekday);

// The lowest alarm slot whose time falls on this second of one of its days, or -1.
int dueAlarm(const AlarmSlots &alarms, const LocalTime &second);

// An alarm snoozed from its ringing: it rings again at the first second
// checked from dueAt on (calendar seconds: a snooze is a span, not a time of
// day). It keeps the alarm as it rang, since a one-time slot is free by then.
struct SnoozedAlarm
{
    int slot = -1;
    AlarmEntry alarm;
    qint64 dueAt = 0;
    bool operator==(const SnoozedAlarm &) const = default;
};

// The reminders are looked for at second 0 of every minute.
inline bool areRemindersDue(const LocalTime &second)
{
    return second.second == 0;
}

// The sleep timer stops the machine at second 0 of its armed minute.
inline bool isShutdownDue(TimeOfDay armedMinute, const LocalTime &second)
{
    return ringsAt(armedMinute, second.secondOfDay());
}

// In the minute before the armed one, the seconds still to go (60 .. 1);
// 0 at any other second. The minute before 00:00 is 23:59.
int shutdownWarningSeconds(TimeOfDay armedMinute, const LocalTime &second);
