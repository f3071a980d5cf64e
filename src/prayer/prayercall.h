#pragma once

#include <QString>

// "FAazan.WAV" for Fajr, "Aazan.WAV" for the others.
QString prayerCallFile(int prayer);

// "Fajr", "Zohor", "Asr", "Magreb", "Isha" or "Jumma".
QString prayerName(int prayer);
