#pragma once

#include <array>

// Low-precision solar theory referred to 1900 January 0.5; angles in radians,
// times of day in hours of local clock time.

enum class FajrMethod { ByAngle = 0, ByInterval = 1, ByMaxInterval = 2 };

struct PrayerCalcParams
{
    int year = 2000;
    double longitudeWest = 0.0;   // radians, positive west of Greenwich
    double latitude = 0.0;        // radians, positive north
    double timeZone = 0.0;        // hours east of GMT, -12..12
    bool daylightSaving = false;  // one hour later on the summer days (applied by computeStoredYear)
    FajrMethod fajrMethod = FajrMethod::ByAngle;
    double fajrAngle = 18.0;      // degrees below the horizon at Fajr
    double ishaAngle = 18.0;      // at Isha; the same as Fajr's but in some presets
    double magrebAngle = 0.0;     // degrees below the horizon at Magreb; 0: at sunset
    double intervalHours = 0.0;
    double shadowFactor = 1.0;    // Asr shadow factor, 1 or 2
};

struct SolarYearConstants
{
    double cosObliquity = 0.0;
    double sinObliquity = 0.0;
    double perigee = 0.0;            // radians, 0..2pi
    double dailyMotion = 0.0;        // radians per day
    double meanAnomalyAtEpoch = 0.0; // radians at 0h UT of January 0, 0..2pi
    double centreCoeff1 = 0.0;       // of sin M in the equation of the centre
    double centreCoeff2 = 0.0;       // of sin 2M
    double siderealRate = 0.0;       // hours gained per day
    double siderealAtEpoch = 0.0;    // hours at 0h UT of January 0, 0..24
};

// The Sun crosses a given zenith distance twice a day; say which crossing is meant.
enum class SunSide { Morning, Evening };

enum class PrayerColumn { Fajr = 0, Sunrise, Zohor, Asr, Magreb, Isha, Sunset };

// Sun never reaches the asked depression that day.
inline constexpr double kNoSolarTime = 10000000.0;

struct SolarNoonResult
{
    double clockHours = 0.0;
    double zenithDistance = 0.0; // at transit, radians
};

struct DayRange
{
    int first = 367;
    int last = 0;
};

// Row i is day number i + 1; values in hours of local standard time, 0..24,
// or kNoSolarTime.
struct PrayerTimeTable
{
    using Row = std::array<float, 7>; // indexed by PrayerColumn
    std::array<Row, 366> rows{};
    int dayCount = 365;               // 366 in a leap year
};

bool isLeapYear(int year);
SolarYearConstants computeSolarYear(int year);
SolarNoonResult solarNoon(const PrayerCalcParams &params, const SolarYearConstants &sun, int day);
// Clock time at which the Sun's centre has zenith distance `zenith`, or kNoSolarTime.
// `estimate` (hours) sets the instant at which the Sun's position is taken.
double solarEventTime(const PrayerCalcParams &params, const SolarYearConstants &sun, int day,
                      double zenith, double estimate, SunSide side);
// First Sunday in April to the Saturday before the last Sunday in October.
DayRange daylightSavingDays(int year, bool daylightSaving);
// Standard time throughout: the summer shift is computeStoredYear's.
PrayerTimeTable computePrayerYear(const PrayerCalcParams &params);
