#pragma once

#include "prayer/prayerastronomy.h"

#include <array>

// One day's times in hours from its midnight, by PrayerColumn: a Fajr
// before midnight is negative, a Magreb or Isha past the next midnight is
// 24 or more. NaN where the Sun gives no time.
using DayHours = std::array<double, 7>;

// How far from sunrise Fajr, and from sunset Isha, may lie where the Sun
// does not go deep enough (or goes so late that the night would have no end).
enum class HighLatitudeRule {
    ByLatitude = 0,    // the seventh above 48 degrees, the middle below
    MiddleOfNight = 1,
    SeventhOfNight = 2,
    TwilightAngle = 3, // angle/60 of the night
};

HighLatitudeRule effectiveRule(HighLatitudeRule rule, double latitudeRadians);

// The depressions a day's times are found by; 0 where a time is not (Isha
// by interval, Magreb at sunset).
struct TwilightAngles
{
    double fajr = 0.0;
    double magreb = 0.0;
    double isha = 0.0;
};

// Fajr no earlier than its share of the night before sunrise, Magreb and
// Isha no later than theirs after sunset; a missing time takes the bound.
// True when a time moved. A day without sunrise or sunset is left alone.
bool applyHighLatitude(DayHours &day, const TwilightAngles &angles, HighLatitudeRule rule);
