#include "prayer/prayercall.h"

#include "core/prayertimes.h"

QString prayerCallFile(int prayer)
{
    const QString call = "Aazan.WAV";
    return prayer == PrayerTimes::Fajr ? "F" + call : call;
}

QString prayerName(int prayer)
{
    static const char *const names[PrayerTimes::Count] = {QT_TRANSLATE_NOOP("PrayerCall", "Fajr"), QT_TRANSLATE_NOOP("PrayerCall", "Zohor"), QT_TRANSLATE_NOOP("PrayerCall", "Asr"),
        QT_TRANSLATE_NOOP("PrayerCall", "Magreb"), QT_TRANSLATE_NOOP("PrayerCall", "Isha"), QT_TRANSLATE_NOOP("PrayerCall", "Jumma")};
    return names[prayer];
}
