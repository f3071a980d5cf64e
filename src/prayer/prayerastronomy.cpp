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

// The Sun's mean anomaly M and ecliptic longitude L at an instant t (days
// from January 0, 0h UT), with their sines and cosines.
struct SunAngles
{
    double t = 0.0;
    double sinM = 0.0;
    double cosM = 0.0;
    double longitude = 0.0;
    double sinL = 0.0;
    double cosL = 0.0;
};

SunAngles sunAnglesAt(const SolarYearConstants &sun, double t)
{
    SunAngles a;
    a.t = t;
    const double m = sun.dailyMotion * t + sun.meanAnomalyAtEpoch;
    a.sinM = std::sin(m);
    a.cosM = std::cos(m);
    a.longitude = m + sun.centreCoeff1 * a.sinM + sun.centreCoeff2 * (2.0 * a.sinM * a.cosM) + sun.perigee;
    a.sinL = std::sin(a.longitude);
    a.cosL = std::cos(a.longitude);
    return a;
}

// sin x and cos x of a small angle (|x| < 0.02 rad), by their series to the
// terms whose contribution falls below the last bit of a double.
void smallSinCos(double x, double &s, double &c)
{
    constexpr double s3 = -1.0 / 6, s5 = 1.0 / 120, s7 = -1.0 / 5040, s9 = 1.0 / 362880;
    constexpr double c2 = -1.0 / 2, c4 = 1.0 / 24, c6 = -1.0 / 720, c8 = 1.0 / 40320;
    const double x2 = x * x;
    s = x + x * x2 * (s3 + x2 * (s5 + x2 * (s7 + x2 * s9)));
    c = 1.0 + x2 * (c2 + x2 * (c4 + x2 * (c6 + x2 * c8)));
}

// (sin, cos) of a + b from those of a and of b.
void turn(double &sinA, double &cosA, double sinB, double cosB)
{
    const double s = sinA * cosB + cosA * sinB;
    cosA = cosA * cosB - sinA * sinB;
    sinA = s;
}

// The angles at t from those at base, at most a day away, where M and L
// have moved by under 0.02 rad: turned by the small angles, with no library
// call. A day's five events are found from its noon this way, and each noon
// from the one before.
SunAngles sunAnglesNear(const SolarYearConstants &sun, const SunAngles &base, double t)
{
    SunAngles a = base;
    a.t = t;
    double s = 0.0;
    double c = 0.0;
    const double dm = sun.dailyMotion * (t - base.t);
    smallSinCos(dm, s, c);
    turn(a.sinM, a.cosM, s, c);
    const double dl = dm + sun.centreCoeff1 * (a.sinM - base.sinM)
                      + sun.centreCoeff2 * 2.0 * (a.sinM * a.cosM - base.sinM * base.cosM);
    a.longitude = base.longitude + dl;
    smallSinCos(dl, s, c);
    turn(a.sinL, a.cosL, s, c);
    return a;
}

// atan u for |u| < 0.05, by its series to the terms below the last bit
// (that of u^13 is under 1e-18).
double smallAtan(double u)
{
    constexpr double a3 = -1.0 / 3, a5 = 1.0 / 5, a7 = -1.0 / 7, a9 = 1.0 / 9, a11 = -1.0 / 11;
    const double u2 = u * u;
    return u + u * u2 * (a3 + u2 * (a5 + u2 * (a7 + u2 * (a9 + u2 * a11))));
}

// tan^2(e/2) of the obliquity e, about 0.043.
double reductionFactor(const SolarYearConstants &sun)
{
    return (1.0 - sun.cosObliquity) / (1.0 + sun.cosObliquity);
}

// Right ascension from tan(ra) = cos(e) tan(L) in the form of the reduction
// to the equator: L - ra = atan(y sin 2L / (1 + y cos 2L)), y = tan^2(e/2),
// a small angle that needs no library call.
SunPosition positionOf(const SolarYearConstants &sun, double y, const SunAngles &a)
{
    const double sin2L = 2.0 * a.sinL * a.cosL;
    const double cos2L = a.cosL * a.cosL - a.sinL * a.sinL;
    const double ra = a.longitude - smallAtan(y * sin2L / (1.0 + y * cos2L));
    const double hours = ra * kRadToHours;
    return {hours - 24.0 * std::floor(hours * (1.0 / 24.0)), sun.sinObliquity * a.sinL};
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

// Asr: the shadow is the shadow factor plus the noon shadow, times the height;
// the cosine of that zenith distance, cos(atan(x)), is 1 / sqrt(1 + x^2).
double cosAsrZenith(const PrayerCalcParams &params, double noonZenith)
{
    const double shadow = params.shadowFactor + std::tan(noonZenith);
    return 1.0 / std::sqrt(1.0 + shadow * shadow);
}

// Local noon of the day, as the instant the Sun's position is taken for it.
double noonTime(const PrayerCalcParams &params, int day)
{
    return day + (longitudeHours(params) + 12.0) / 24.0;
}

SolarNoonResult noonOf(const PrayerCalcParams &params, const SolarYearConstants &sun, double reduction,
                       const SunAngles &noon)
{
    const SunPosition pos = positionOf(sun, reduction, noon);
    const double lh = longitudeHours(params);
    const double n = pos.rightAscension - sun.siderealRate * noon.t - sun.siderealAtEpoch + params.timeZone + lh;
    const double declination = std::asin(pos.sinDeclination);
    return {wrapClock(n), std::fabs(params.latitude - declination)};
}

// What stays the same for every day of a year at one place: computed once,
// the same values the per-day formulas would compute each time.
struct Observer
{
    double sinLatitude;
    double cosLatitude;
    double cosSunriseZenith;
    double cosFajrZenith;
    double cosIshaZenith;
    double cosMagrebZenith;
    double reduction; // reductionFactor()
};

double cosDepression(double degrees)
{
    return std::cos((90.0 + degrees) * kDegToRad);
}

Observer observerOf(const PrayerCalcParams &params, const SolarYearConstants &sun)
{
    return {std::sin(params.latitude), std::cos(params.latitude), std::cos(kSunriseZenith),
            cosDepression(params.fajrAngle), cosDepression(params.ishaAngle),
            params.magrebAngle > 0.0 ? cosDepression(params.magrebAngle) : std::cos(kSunriseZenith),
            reductionFactor(sun)};
}

// solarEventTime() with the cosine of the zenith distance, the observer's
// latitude and the Sun's angles at the day's noon at hand.
double eventTime(const PrayerCalcParams &params, const SolarYearConstants &sun, const Observer &observer,
                 int day, const SunAngles &noon, double cosZenith, double estimate, SunSide side)
{
    const double lh = longitudeHours(params);
    const double t = day + (lh + estimate) * (1.0 / 24.0);
    const SunPosition pos = positionOf(sun, observer.reduction, sunAnglesNear(sun, noon, t));
    const double c = (cosZenith - observer.sinLatitude * pos.sinDeclination)
                     / (std::sqrt(1.0 - pos.sinDeclination * pos.sinDeclination) * observer.cosLatitude);
    if (std::fabs(c) > 1.0)
        return kNoSolarTime;
    const double h = std::acos(c) * kRadToHours;
    const double hourAngle = side == SunSide::Morning ? 24.0 - h : h;
    return wrapClock(hourAngle + pos.rightAscension - sun.siderealRate * t - sun.siderealAtEpoch
                     + params.timeZone + lh);
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
                                const Observer &observer, int day, const SunAngles &noonAngles,
                                Estimates &est)
{
    const SolarNoonResult noon = noonOf(params, sun, observer.reduction, noonAngles);
    const double cosAsr = cosAsrZenith(params, noon.zenithDistance);

    const double sunrise = eventTime(params, sun, observer, day, noonAngles, observer.cosSunriseZenith, est.sunrise,
                                     SunSide::Morning);
    updateEstimate(est.sunrise, sunrise, kSunriseDefault);
    const double asr = eventTime(params, sun, observer, day, noonAngles, cosAsr, est.asr, SunSide::Evening);
    updateEstimate(est.asr, asr, kAsrDefault);
    const double sunset = eventTime(params, sun, observer, day, noonAngles, observer.cosSunriseZenith, est.sunset,
                                    SunSide::Evening);
    updateEstimate(est.sunset, sunset, kSunsetDefault);
    const double magreb = params.magrebAngle > 0.0
        ? eventTime(params, sun, observer, day, noonAngles, observer.cosMagrebZenith, est.sunset, SunSide::Evening)
        : sunset;

    double fajr = 0.0;
    double isha = 0.0;
    if (params.fajrMethod == FajrMethod::ByInterval) {
        fajr = est.sunrise - params.intervalHours;
        isha = est.sunset + params.intervalHours;
    } else {
        fajr = eventTime(params, sun, observer, day, noonAngles, observer.cosFajrZenith, est.fajr, SunSide::Morning);
        updateEstimate(est.fajr, fajr, kFajrDefault);
        isha = eventTime(params, sun, observer, day, noonAngles, observer.cosIshaZenith, est.isha, SunSide::Evening);
        updateEstimate(est.isha, isha, kIshaDefault);
    }
    return {float(fajr), float(sunrise), float(noon.clockHours), float(asr), float(magreb),
            float(isha), float(sunset)};
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
    return noonOf(params, sun, reductionFactor(sun), sunAnglesAt(sun, noonTime(params, day)));
}

double solarEventTime(const PrayerCalcParams &params, const SolarYearConstants &sun, int day,
                      double zenith, double estimate, SunSide side)
{
    return eventTime(params, sun, observerOf(params, sun), day, sunAnglesAt(sun, noonTime(params, day)),
                     std::cos(zenith), estimate, side);
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

    const Observer observer = observerOf(params, sun);
    Estimates est;
    // Each noon is turned on from the one before; December 31 before seeds the estimates.
    SunAngles noon = sunAnglesAt(sun, noonTime(params, 0));
    computeDay(params, sun, observer, 0, noon, est);
    for (int i = 0; i < table.dayCount; ++i) {
        noon = sunAnglesNear(sun, noon, noonTime(params, i + 1));
        table.rows[i] = computeDay(params, sun, observer, i + 1, noon, est);
    }
    return table;
}
