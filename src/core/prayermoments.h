#pragma once

#include "core/prayertimes.h"

#include <optional>
#include <vector>

// The stored times of a day and of the days either side of it.
struct PrayerRows
{
    PrayerTimes before; // the day before
    PrayerTimes today;
    PrayerTimes after;  // the day after

    bool operator==(const PrayerRows &) const = default;
};

// When a prayer begins, in minutes from a day's midnight: below 0 the day
// before, from 1440 the day after.
struct PrayerMoment
{
    int prayer = -1; // PrayerTimes::Index
    int minute = 0;

    bool operator==(const PrayerMoment &) const = default;
};

// Minutes from its row's midnight at which a stored time falls, or -1 for
// none (0, negative, 2880 or more). A Magreb or Isha earlier than the row's
// Zohor is past the next midnight, as is a time stored at 1440..2879.
int fallsAtMinute(const PrayerTimes &row, int prayer);

// Every prayer of the three rows, from the day's midnight, in time order
// (the earlier row first, then Fajr .. Jumma, where two share a minute).
// `weekday` is the day's, 0 = Sunday: on a Friday Jumma is called instead
// of Zohor, on the other days Jumma is passed over.
std::vector<PrayerMoment> prayerMoments(const PrayerRows &rows, int weekday);

// The first prayer after `minute` (from the day's midnight), if any.
std::optional<PrayerMoment> nextPrayer(const PrayerRows &rows, int weekday, int minute);
