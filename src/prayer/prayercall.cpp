#include "prayer/prayercall.h"

#include "core/prayertimes.h"

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
