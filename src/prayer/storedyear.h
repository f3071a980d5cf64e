#pragma once

#include "prayer/highlatitude.h"
#include "prayer/prayerastronomy.h"

#include <QList>
#include <QTimeZone>

#include <array>

// Everything a year of stored prayer times is computed from.
struct PrayerYearPlan
{
    PrayerCalcParams params;
    // Valid: each time takes the offset the zone's rules give at its moment;
    // params.timeZone and params.daylightSaving are then not used.
    QTimeZone zone{};
    HighLatitudeRule highLatitude = HighLatitudeRule::ByLatitude;
    int ishaMinutes = 0;          // > 0: Isha this long after Magreb
    std::array<int, 5> minutes{}; // added to Fajr, Zohor, Asr, Magreb, Isha
};

// Fajr, Zohor, Asr, Magreb, Isha in minutes since the row's midnight,
// 1..1439. A Magreb or Isha earlier than the row's Zohor is past the next
// midnight and rings on the day it falls on; 0 only where the Sun gives no
// time on any day of the year.
using StoredDay = std::array<int, 5>;

struct StoredYear
{
    int year = 0;
    HighLatitudeRule rule = HighLatitudeRule::SeventhOfNight; // the one applied
    QList<StoredDay> days;       // day 1 first, 365 or 366
    // Day numbers, in order: a time came from the high-latitude rule; a time
    // was moved to stay after the one before it or within its day; no sunrise
    // or sunset, so times of the nearest day that has them.
    QList<int> adjustedDays;
    QList<int> keptDays;
    QList<int> borrowedDays;
};

// The year as the city dialog stores it and chimewise-times prints it.
StoredYear computeStoredYear(const PrayerYearPlan &plan);
