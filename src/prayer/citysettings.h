#pragma once

#include "prayer/prayerastronomy.h"
#include "prayer/prayerstore.h"

#include <QString>

inline constexpr const char *kHanafi = "Hanafi";
inline constexpr const char *kShafii = "SHafi'i";

// The values of the city information dialog, as the user sets them.
struct CitySettings
{
    QString city;                     // at most 35 characters
    double timeZone = 6.0;            // hours east of GMT
    int longitudeDegrees = 0;         // 0..180
    int longitudeMinutes = 0;
    QString longitudeDirection = "W"; // "E" or "W"
    int latitudeDegrees = 0;          // 0..90
    int latitudeMinutes = 0;
    QString latitudeDirection = "S";  // "N" or "S"
    int daylightSaving = 0;
    int fajrMethod = int(FajrMethod::ByAngle);
    double fajrAngle = 18.0;          // degrees
    double interval = 0.0;            // minutes
    int byRatio = 0;                  // 0: Asr from the fiqh, 1: from the shadow ratio
    QString fiqhText = kHanafi;       // "Hanafi" or "SHafi'i", in step with the ratio
    int ratioIndex = 1;               // 0: shadow factor 1, 1: factor 2

    bool operator==(const CitySettings &) const = default;
};

// Hanafi goes with ratio index 1 (factor 2), Shafi'i with index 0.
QString fiqhForRatio(int ratioIndex);
int ratioForFiqh(const QString &fiqhText);

// 1 or 2; anything else from the stored values becomes 2.
double shadowFactor(const CitySettings &settings);
bool timeZoneAllowed(double hours);
PrayerCalcParams toCalcParams(const CitySettings &settings, int year);

// Coordinates as text; a longitude keeps up to 180 degrees.
CityRecord toCityRecord(const CitySettings &settings);
void applyCityRecord(const CityRecord &record, CitySettings &settings);
