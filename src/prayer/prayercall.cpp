#include "prayer/prayercall.h"

#include "timetext/timeofday.h"

namespace {

constexpr int kFriday = 5;

} // namespace

int duePrayer(const PrayerTimes &times, int secondOfDay, int weekday)
{
    const bool friday = weekday == kFriday;
    for (int prayer = PrayerTimes::Fajr; prayer < PrayerTimes::Count; ++prayer) {
        if ((prayer == PrayerTimes::Zohor && friday) || (prayer == PrayerTimes::Jumma && !friday))
            continue;
        if (ringsAt(times.minutes[prayer], secondOfDay))
            return prayer;
    }
    return -1;
}

QString prayerCallFile(int prayer)
{
    const QString call = "Aazan.WAV";
    return prayer == PrayerTimes::Fajr ? "F" + call : call;
}

QString prayerName(int prayer)
{
    static const char *const names[PrayerTimes::Count] = {"Fajr", "Zohor", "Asr", "Magreb", "Isha", "Jumma"};
    return names[prayer];
}
