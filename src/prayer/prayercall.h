#pragma once

#include "prayer/todayprayertimes.h"

#include <QString>

// The prayer whose time falls on this second since midnight, or -1. On a
// Friday (weekday 5, Sunday = 0) Jumma is called instead of Zohor; on the
// other days Jumma is passed over. The first in the order Fajr .. Jumma wins.
int duePrayer(const PrayerTimes &times, int secondOfDay, int weekday);

// "FAazan.WAV" for Fajr, "Aazan.WAV" for the others.
QString prayerCallFile(int prayer);

// "Fajr", "Zohor", "Asr", "Magreb", "Isha" or "Jumma".
QString prayerName(int prayer);
