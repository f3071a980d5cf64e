#include "prayer/citysettings.h"

#include "timetext/angletext.h"

#include <QTimeZone>

#include <algorithm>
#include <cmath>
#include <QCoreApplication>

namespace {

constexpr double kDegToRad = 0.017453292519943295;
constexpr double kNoonHoursApart = 2.0;

double degrees(int degrees, int minutes)
{
    return degrees + minutes / 60.0;
}

QTimeZone zoneOf(const CitySettings &settings)
{
    return settings.zoneName.isEmpty() ? QTimeZone() : QTimeZone(settings.zoneName.toUtf8());
}

PrayerCalcParams toCalcParams(const CitySettings &settings, int year)
{
    PrayerCalcParams p;
    p.year = year;
    p.fajrMethod = FajrMethod(settings.fajrMethod);
    p.intervalHours = settings.interval / 60.0;
    p.fajrAngle = p.ishaAngle = settings.fajrAngle;
    p.shadowFactor = shadowFactor(settings);
    p.daylightSaving = settings.daylightSaving != 0;
    p.timeZone = settings.timeZone;
    const double latitude = degrees(settings.latitudeDegrees, settings.latitudeMinutes) * kDegToRad;
    p.latitude = settings.latitudeDirection == "S" ? -latitude : latitude;
    const double longitude = degrees(settings.longitudeDegrees, settings.longitudeMinutes) * kDegToRad;
    p.longitudeWest = settings.longitudeDirection == "W" ? longitude : -longitude;
    return p;
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

double standardHours(const CitySettings &settings, int year)
{
    const QTimeZone zone = zoneOf(settings);
    if (!zone.isValid())
        return settings.timeZone;
    return zone.standardTimeOffset(QDateTime(QDate(year, 1, 1), QTime(12, 0), Qt::UTC)) / 3600.0;
}

PrayerYearPlan toYearPlan(const CitySettings &settings, int year)
{
    PrayerYearPlan plan;
    plan.params = toCalcParams(settings, year);
    plan.zone = zoneOf(settings);
    plan.highLatitude = HighLatitudeRule(std::clamp(settings.highLatitude, 0, 3));
    plan.minutes = settings.offsets;
    applyPreset(presetByKey(settings.preset), plan);
    return plan;
}

QString gmtText(double hours)
{
    const int minutes = int(std::lround(std::fabs(hours) * 60.0));
    QString text = QString("GMT%1%2").arg(QChar(hours < 0 ? u'-' : u'+')).arg(minutes / 60);
    if (minutes % 60 != 0)
        text += QString::asprintf(":%02d", minutes % 60);
    return text;
}

QString zoneMismatch(const CitySettings &settings, int year)
{
    const double noonOffset = -toCalcParams(settings, year).longitudeWest / kDegToRad / 15.0;
    const double zone = standardHours(settings, year);
    if (std::fabs(std::remainder(noonOffset - zone, 24.0)) <= kNoonHoursApart)
        return {};
    const QString zoneName = settings.zoneName.isEmpty() ? gmtText(zone) : gmtText(zone) + ", " + settings.zoneName;
    return QCoreApplication::translate("CitySettings", "At longitude %1° %2′ %3 the Sun is highest near noon of %4, but the zone is %5: "
                                                   "Zohor would come hours away from midday. Check the longitude's direction (E or W) and the zone.")
        .arg(settings.longitudeDegrees)
        .arg(settings.longitudeMinutes, 2, 10, QChar('0'))
        .arg(settings.longitudeDirection, gmtText(std::round(noonOffset * 4.0) / 4.0), zoneName);
}

void startDirections(CitySettings &settings)
{
    if (standardHours(settings, 2000) > 0.0) {
        settings.longitudeDirection = "E";
        settings.latitudeDirection = "N";
    } else {
        settings.longitudeDirection = "W";
    }
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
    r.zoneName = settings.zoneName;
    r.preset = settings.preset;
    r.highLatitude = settings.highLatitude;
    r.offsets = settings.offsets;
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
    settings.zoneName = record.zoneName;
    settings.preset = presetByKey(record.preset).key;
    settings.highLatitude = std::clamp(record.highLatitude, 0, 3);
    settings.offsets = record.offsets;
}
