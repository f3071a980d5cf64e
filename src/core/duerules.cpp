#include "core/duerules.h"

namespace {

constexpr int kFriday = 5;
constexpr int kDaySeconds = 86400;

} // namespace

bool isAnnouncementDue(int intervalIndex, const LocalTime &second)
{
    static constexpr int kPeriodMinutes[] = {15, 30, 60};
    if (intervalIndex < 0 || intervalIndex > 2)
        return false;
    return second.secondOfDay() % (60 * kPeriodMinutes[intervalIndex]) == 0;
}

int duePrayer(const PrayerTimes &times, const LocalTime &second)
{
    const bool friday = second.weekday == kFriday;
    for (int prayer = PrayerTimes::Fajr; prayer < PrayerTimes::Count; ++prayer) {
        if ((prayer == PrayerTimes::Zohor && friday) || (prayer == PrayerTimes::Jumma && !friday))
            continue;
        // A 0 means no time: it never rings, not even at midnight.
        if (times.minutes[prayer] > 0 && ringsAt(times.minutes[prayer], second.secondOfDay()))
            return prayer;
    }
    return -1;
}

bool ringsOnWeekday(int days, int weekday)
{
    return days & (1 << ((weekday + 6) % 7));
}

int dueAlarm(const AlarmSlots &alarms, const LocalTime &second)
{
    for (int i = 0; i < kAlarmSlots; ++i) {
        if (ringsAt(alarms[i].time, second.secondOfDay()) && ringsOnWeekday(alarms[i].days, second.weekday))
            return i;
    }
    return -1;
}

int shutdownWarningSeconds(TimeOfDay armedMinute, const LocalTime &second)
{
    if (armedMinute < 0 || armedMinute >= 24 * 60)
        return 0;
    const int toGo = (armedMinute * 60 - second.secondOfDay() + kDaySeconds) % kDaySeconds;
    return toGo >= 1 && toGo <= 60 ? toGo : 0;
}
