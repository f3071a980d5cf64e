#include "core/duerules.h"

namespace {

constexpr int kDaySeconds = 86400;

} // namespace

bool isAnnouncementDue(int intervalIndex, const LocalTime &second)
{
    static constexpr int kPeriodMinutes[] = {15, 30, 60};
    if (intervalIndex < 0 || intervalIndex > 2)
        return false;
    return second.secondOfDay() % (60 * kPeriodMinutes[intervalIndex]) == 0;
}

int duePrayer(const PrayerRows &rows, const LocalTime &second)
{
    if (second.second != 0) // nothing rings but at a minute's start
        return -1;
    // A 0 means no time: it never rings, not even at midnight.
    for (const PrayerMoment &moment : prayerMoments(rows, second.weekday)) {
        if (moment.minute >= 0 && ringsAt(moment.minute, second.secondOfDay()))
            return moment.prayer;
    }
    return -1;
}

std::optional<PrayerMoment> duePrayerAlert(const PrayerRows &rows, const PrayerAlerts &alerts,
                                           const LocalTime &second)
{
    if (second.second != 0)
        return std::nullopt;
    for (const PrayerMoment &moment : prayerMoments(rows, second.weekday)) {
        const int before = alerts[moment.prayer == PrayerTimes::Jumma ? PrayerTimes::Zohor : moment.prayer];
        if (before > 0 && (moment.minute - before) * 60 == second.secondOfDay())
            return moment;
    }
    return std::nullopt;
}

bool ringsOnWeekday(int days, int weekday)
{
    return days & (1 << ((weekday + 6) % 7));
}

int dueAlarm(const AlarmSlots &alarms, const LocalTime &second)
{
    if (second.second != 0)
        return -1;
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
