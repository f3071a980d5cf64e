#pragma once

#include "prayer/calcpreset.h"
#include "prayer/prayerstore.h"
#include "prayer/storedyear.h"

#include <QString>

inline constexpr const char *kHanafi = "Hanafi";
inline constexpr const char *kShafii = "SHafi'i";

// The values of the city information dialog, as the user sets them.
struct CitySettings
{
    QString city;                     // at most 35 characters
    QString zoneName;                 // IANA zone; empty: the offset and the daylight box
    double timeZone = 6.0;            // hours east of GMT
    int longitudeDegrees = 0;         // 0..180
    int longitudeMinutes = 0;
    QString longitudeDirection = "E"; // "E" or "W"; the default zone lies east
    int latitudeDegrees = 0;          // 0..90
    int latitudeMinutes = 0;
    QString latitudeDirection = "N";  // "N" or "S"
    int daylightSaving = 0;
    int fajrMethod = int(FajrMethod::ByAngle);
    double fajrAngle = 18.0;          // degrees
    double interval = 0.0;            // minutes
    int byRatio = 0;                  // 0: Asr from the fiqh, 1: from the shadow ratio
    QString fiqhText = kHanafi;       // "Hanafi" or "SHafi'i", in step with the ratio
    int ratioIndex = 1;               // 0: shadow factor 1, 1: factor 2
    QString preset = CalcPreset::kCustomKey; // custom: the method, angle and interval above
    int highLatitude = int(HighLatitudeRule::ByLatitude);
    std::array<int, 5> offsets{};     // minutes added to Fajr..Isha, -30..30

    bool operator==(const CitySettings &) const = default;
};

// Hanafi goes with ratio index 1 (factor 2), Shafi'i with index 0.
QString fiqhForRatio(int ratioIndex);
int ratioForFiqh(const QString &fiqhText);

// 1 or 2; anything else from the stored values becomes 2.
double shadowFactor(const CitySettings &settings);
bool timeZoneAllowed(double hours);
// The zone's standard offset when the city has a zone, else its own offset.
double standardHours(const CitySettings &settings, int year);
PrayerYearPlan toYearPlan(const CitySettings &settings, int year);

// "GMT+6", "GMT+5:45", "GMT-3:30".
QString gmtText(double hours);
// Where solar noon at the longitude and noon by the zone lie more than two
// hours apart (a direction typed wrong), the warning that names both.
QString zoneMismatch(const CitySettings &settings, int year);
// The direction lists a new city starts on: E and N for a zone east of Greenwich.
void startDirections(CitySettings &settings);

// Coordinates as text; a longitude keeps up to 180 degrees.
CityRecord toCityRecord(const CitySettings &settings);
void applyCityRecord(const CityRecord &record, CitySettings &settings);
