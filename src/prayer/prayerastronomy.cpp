#include "prayer/prayerastronomy.h"

#include <cmath>

namespace {

constexpr double kDegToRad = 0.017453292519943295;
constexpr double kRadToHours = 3.819718634205488;
constexpr double kSunriseZenith = 90.83 * kDegToRad;

// Defaults of the running estimates, hours.
constexpr double kSunriseDefault = 6.0;
constexpr double kAsrDefault = 15.0;
constexpr double kSunsetDefault = 18.0;
constexpr double kFajrDefault = 4.0;
constexpr double kIshaDefault = 20.0;

double reduce(double x, double period)
{
    return x - period * std::floor(x / period);
}

double dms(double d, double m, double s)
{
    return d + m / 60.0 + s / 3600.0;
}

struct SunPosition
{
    double rightAscension; // hours, 0..24
    double sinDeclination;
};

SunPosition sunAt(const SolarYearConstants &sun, double t)
{
    const double m = sun.dailyMotion * t + sun.meanAnomalyAtEpoch;
    const double lambda = m + sun.centreCoeff1 * std::sin(m) + sun.centreCoeff2 * std::sin(2 * m)
                          + sun.perigee;
    double alpha = std::atan2(sun.cosObliquity * std::sin(lambda), std::cos(lambda)) * kRadToHours;
    if (alpha < 0)
        alpha += 24.0;
    return {alpha, sun.sinObliquity * std::sin(lambda)};
}

double wrapClock(double x)
{
    if (x < 0)
        x += 24.0;
    if (x > 24.0)
        x -= 24.0;
    return x;
}

double longitudeHours(const PrayerCalcParams &params)
{
    return params.longitudeWest * kRadToHours;
}

double asrZenithDistance(const PrayerCalcParams &params, double noonZenith)
{
    return std::atan(params.shadowFactor + std::tan(noonZenith));
}

// A usable time becomes the next day's starting point; 24 h or no time resets it.
void updateEstimate(double &estimate, double result, double fallback)
{
    estimate = result < 24.0 ? result : fallback;
}

struct Estimates
{
    double sunrise = kSunriseDefault;
    double asr = kAsrDefault;
    double sunset = kSunsetDefault;
    double fajr = kFajrDefault;
    double isha = kIshaDefault;
};

// Computes one day from the running estimates, updating them; returns the six values.
PrayerTimeTable::Row computeDay(const PrayerCalcParams &params, const SolarYearConstants &sun,
                                int day, Estimates &est)
{
    const double twilightZenith = (90.0 + params.fajrAngle) * kDegToRad;
    const SolarNoonResult noon = solarNoon(params, sun, day);
    const double asrZenith = asrZenithDistance(params, noon.zenithDistance);

    const double sunrise = solarEventTime(params, sun, day, kSunriseZenith, est.sunrise,
                                          SunSide::Morning);
    updateEstimate(est.sunrise, sunrise, kSunriseDefault);
    const double asr = solarEventTime(params, sun, day, asrZenith, est.asr, SunSide::Evening);
    updateEstimate(est.asr, asr, kAsrDefault);
    const double magreb = solarEventTime(params, sun, day, kSunriseZenith, est.sunset,
                                         SunSide::Evening);
    updateEstimate(est.sunset, magreb, kSunsetDefault);

    double fajr = 0.0;
    double isha = 0.0;
    if (params.fajrMethod == FajrMethod::ByInterval) {
        fajr = est.sunrise - params.intervalHours;
        isha = est.sunset + params.intervalHours;
    } else {
        fajr = solarEventTime(params, sun, day, twilightZenith, est.fajr, SunSide::Morning);
        updateEstimate(est.fajr, fajr, kFajrDefault);
        isha = solarEventTime(params, sun, day, twilightZenith, est.isha, SunSide::Evening);
        updateEstimate(est.isha, isha, kIshaDefault);
    }
    return {float(fajr), float(sunrise), float(noon.clockHours), float(asr), float(magreb),
            float(isha)};
}

} // namespace

bool isLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

SolarYearConstants computeSolarYear(int year)
{
    // Days from 1900 January 0.5 to 0h UT of January 0 are d - 0.5; exact for 1901..2099.
    const long d = 365L * year - 693500L + (year - 1901) / 4;
    const double t = (double(d) - 0.5) / 36525.0;

    const double obliquity = dms(23, 27, 8.26) - dms(0, 0, 46.845) * t;
    const double e = 0.01675104 - 0.0000418 * t - 0.000000126 * t * t;
    const double perigee = dms(281, 13, 15) + t * (dms(1, 43, 9.03) + dms(0, 0, 1.63) * t);
    const double anomalyPerCentury = dms(35999, 2, 59.1);
    const double meanAnomaly = dms(358, 28, 33) - dms(0, 0, 0.54) * t * t
                               + reduce(anomalyPerCentury * t, 360.0);
    const double siderealPerCentury = dms(2400, 3, 4.542);

    SolarYearConstants sun;
    sun.cosObliquity = std::cos(obliquity * kDegToRad);
    sun.sinObliquity = std::sin(obliquity * kDegToRad);
    sun.perigee = reduce(perigee, 360.0) * kDegToRad;
    sun.dailyMotion = anomalyPerCentury / 36525.0 * kDegToRad;
    sun.meanAnomalyAtEpoch = reduce(meanAnomaly, 360.0) * kDegToRad;
    sun.siderealRate = siderealPerCentury / 36525.0;
    sun.siderealAtEpoch = reduce(dms(6, 38, 45.836) + reduce(siderealPerCentury * t, 24.0), 24.0);
    sun.centreCoeff1 = e * (2.0 - e * e * 0.25);
    sun.centreCoeff2 = e * e * 1.25;
    return sun;
}

SolarNoonResult solarNoon(const PrayerCalcParams &params, const SolarYearConstants &sun, int day)
{
    const double lh = longitudeHours(params);
    const double t = day + (lh + 12.0) / 24.0;
    const SunPosition pos = sunAt(sun, t);
    double n = pos.rightAscension - sun.siderealRate * t - sun.siderealAtEpoch + params.timeZone + lh;
    n = wrapClock(n);
    const double declination = std::asin(pos.sinDeclination);
    return {n, std::fabs(params.latitude - declination)};
}

double solarEventTime(const PrayerCalcParams &params, const SolarYearConstants &sun, int day,
                      double zenith, double estimate, SunSide side)
{
    const double lh = longitudeHours(params);
    const double t = day + (lh + estimate) / 24.0;
    const SunPosition pos = sunAt(sun, t);
    const double c = (std::cos(zenith) - std::sin(params.latitude) * pos.sinDeclination)
                     / (std::sqrt(1.0 - pos.sinDeclination * pos.sinDeclination)
                        * std::cos(params.latitude));
    if (std::fabs(c) > 1.0)
        return kNoSolarTime;
    const double h = std::acos(c) * kRadToHours;
    const double hourAngle = side == SunSide::Morning ? 24.0 - h : h;
    return wrapClock(hourAngle + pos.rightAscension - sun.siderealRate * t - sun.siderealAtEpoch
                     + params.timeZone + lh);
}

DayRange daylightSavingDays(int year, bool daylightSaving)
{
    if (!daylightSaving)
        return {};
    const int l = isLeapYear(year) ? 1 : 0;
    const int yy = year % 100;
    const int q = (year % 400) / 100;
    const int w = (yy + yy / 4 + 124 * q + 1 - l) % 7;
    int first = l + 93 - ((l + 91 + w) % 7);
    if (first < l + 91)
        first += 7;
    int e = l + 306 - ((l + 304 + w) % 7);
    if (e > l + 304)
        e -= 7;
    return {first, e - 1};
}

PrayerTimeTable computePrayerYear(const PrayerCalcParams &params)
{
    const SolarYearConstants sun = computeSolarYear(params.year);
    PrayerTimeTable table;
    table.dayCount = isLeapYear(params.year) ? 366 : 365;

    Estimates est;
    computeDay(params, sun, 0, est); // seeds the estimates from December 31 before
    for (int i = 0; i < table.dayCount; ++i)
        table.rows[i] = computeDay(params, sun, i + 1, est);

    const DayRange summer = daylightSavingDays(params.year, params.daylightSaving);
    for (int day = summer.first; day <= summer.last && day <= table.dayCount; ++day)
        for (float &value : table.rows[day - 1])
            value += 1.0f;
    return table;
}

int toStoredMinutes(const PrayerCalcParams &params, const PrayerTimeTable::Row &row,
                    PrayerColumn prayer)
{
    const auto at = [&row](PrayerColumn c) { return double(row[int(c)]); };
    const auto unusable = [](double v) { return v > 360.0 || v < 0.0; };
    double v = at(prayer);
    if (params.fajrMethod == FajrMethod::ByMaxInterval) {
        const double limit = params.intervalHours;
        if (prayer == PrayerColumn::Fajr
            && (unusable(v) || at(PrayerColumn::Sunrise) - v > limit))
            v = at(PrayerColumn::Sunrise) - limit;
        if (prayer == PrayerColumn::Isha
            && (unusable(v) || v - at(PrayerColumn::Magreb) > limit))
            v = at(PrayerColumn::Magreb) + limit;
    }
    if (unusable(v))
        v = 0.0;
    return short(v * 60.0 + 0.5);
}
