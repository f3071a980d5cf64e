#include "prayer/citysettings.h"

#include "timetext/angletext.h"

namespace {

constexpr double kDegToRad = 0.017453292519943295;

double degrees(int degrees, int minutes)
{
    return degrees + minutes / 60.0;
}

} // namespace

QString fiqhForRatio(int ratioIndex)
{
    return ratioIndex == 1 ? kHanafi : kShafii;
}

int ratioForFiqh(const QString &fiqhText)
{
    return fiqhText.startsWith(u'H') ? 1 : 0;
}

double shadowFactor(const CitySettings &settings)
{
    const double factor = settings.byRatio == 0 ? (settings.fiqhText.startsWith(u'H') ? 2.0 : 1.0)
                                                : settings.ratioIndex + 1.0;
    return factor < 1.0 || factor > 2.0 ? 2.0 : factor;
}

bool timeZoneAllowed(double hours)
{
    return hours >= -12.0 && hours <= 12.0;
}

PrayerCalcParams toCalcParams(const CitySettings &settings, int year)
{
    PrayerCalcParams p;
    p.year = year;
    p.fajrMethod = FajrMethod(settings.fajrMethod);
    p.intervalHours = settings.interval / 60.0;
    p.fajrAngle = settings.fajrAngle;
    p.shadowFactor = shadowFactor(settings);
    p.daylightSaving = settings.daylightSaving != 0;
    p.timeZone = settings.timeZone;
    const double latitude = degrees(settings.latitudeDegrees, settings.latitudeMinutes) * kDegToRad;
    p.latitude = settings.latitudeDirection == "S" ? -latitude : latitude;
    const double longitude = degrees(settings.longitudeDegrees, settings.longitudeMinutes) * kDegToRad;
    p.longitudeWest = settings.longitudeDirection == "W" ? longitude : -longitude;
    return p;
}

CityRecord toCityRecord(const CitySettings &settings)
{
    CityRecord r;
    r.city = settings.city.trimmed();
    r.longitude = formatAngleText(settings.longitudeDegrees, settings.longitudeMinutes,
                                  settings.longitudeDirection, kLongitudeMaxDegrees);
    r.latitude = formatAngleText(settings.latitudeDegrees, settings.latitudeMinutes,
                                 settings.latitudeDirection, kLatitudeMaxDegrees);
    r.fajrMethod = settings.fajrMethod;
    r.fajrAngle = settings.fajrAngle;
    r.interval = settings.interval;
    r.timeZone = settings.timeZone;
    r.daylightSaving = settings.daylightSaving;
    r.byRatio = settings.byRatio;
    r.ratioIndex = settings.ratioIndex;
    return r;
}

void applyCityRecord(const CityRecord &record, CitySettings &settings)
{
    const AngleText longitude = parseAngleText(record.longitude);
    const AngleText latitude = parseAngleText(record.latitude);
    settings.longitudeDegrees = longitude.degrees;
    settings.longitudeMinutes = longitude.minutes;
    settings.longitudeDirection = longitude.direction;
    settings.latitudeDegrees = latitude.degrees;
    settings.latitudeMinutes = latitude.minutes;
    settings.latitudeDirection = latitude.direction;
    settings.fajrMethod = record.fajrMethod;
    settings.fajrAngle = record.fajrAngle;
    settings.interval = record.interval;
    settings.timeZone = record.timeZone;
    settings.daylightSaving = record.daylightSaving;
    settings.byRatio = record.byRatio;
    settings.ratioIndex = record.ratioIndex;
    settings.fiqhText = fiqhForRatio(record.ratioIndex);
}
