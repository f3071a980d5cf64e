#include "prayer/highlatitude.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kRadToDeg = 57.29577951308232;
constexpr double kSeventhAbove = 48.0; // degrees of latitude

double nightShare(HighLatitudeRule rule, double angle)
{
    switch (rule) {
    case HighLatitudeRule::MiddleOfNight:
        return 0.5;
    case HighLatitudeRule::TwilightAngle:
        return angle / 60.0;
    default:
        return 1.0 / 7.0;
    }
}

} // namespace

HighLatitudeRule effectiveRule(HighLatitudeRule rule, double latitudeRadians)
{
    if (rule != HighLatitudeRule::ByLatitude)
        return rule;
    return std::fabs(latitudeRadians * kRadToDeg) > kSeventhAbove ? HighLatitudeRule::SeventhOfNight
                                                                  : HighLatitudeRule::MiddleOfNight;
}

bool applyHighLatitude(DayHours &day, const TwilightAngles &angles, HighLatitudeRule rule)
{
    const double sunrise = day[int(PrayerColumn::Sunrise)];
    const double sunset = day[int(PrayerColumn::Sunset)];
    if (std::isnan(sunrise) || std::isnan(sunset))
        return false;
    const double night = 24.0 - (sunset - sunrise);
    bool moved = false;
    // direction -1: before `from`, +1: after it.
    const auto bound = [&](PrayerColumn column, double from, double direction, double angle) {
        double &value = day[int(column)];
        const double share = column == PrayerColumn::Magreb ? std::min(nightShare(rule, angle), angle / 60.0)
                                                             : nightShare(rule, angle);
        const double limit = from + direction * share * night;
        if (std::isnan(value) || direction * (value - limit) > 0.0) {
            value = limit;
            moved = true;
        }
    };
    if (angles.fajr > 0.0)
        bound(PrayerColumn::Fajr, sunrise, -1.0, angles.fajr);
    // Magreb's few degrees never take the larger share Isha may have.
    if (angles.magreb > 0.0)
        bound(PrayerColumn::Magreb, sunset, 1.0, angles.magreb);
    if (angles.isha > 0.0)
        bound(PrayerColumn::Isha, sunset, 1.0, angles.isha);
    return moved;
}
