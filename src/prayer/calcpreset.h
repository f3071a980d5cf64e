#pragma once

#include <QString>

struct PrayerYearPlan;

#include <array>
#include <vector>

// A calculation method as the public prayer-time libraries publish it: the
// Sun's depression at Fajr and Isha (or Isha a fixed time after Magreb) and
// the minutes each time is moved by. The Asr rule is the school's choice.
struct CalcPreset
{
    QString key;             // "mwl", as chimewise-times and the city table name it
    QString name;            // "Muslim World League", as the city dialog lists it
    double fajrAngle = 18.0; // degrees below the horizon
    double ishaAngle = 18.0;
    int ishaMinutes = 0;     // > 0: Isha this long after Magreb instead
    double magrebAngle = 0.0; // > 0: Magreb at this depression, not at sunset
    std::array<int, 5> minutes{}; // added to Fajr, Zohor, Asr, Magreb, Isha

    bool isCustom() const { return key == kCustomKey; }
    static constexpr const char *kCustomKey = "custom";
};

// The eleven presets, then "Custom" (the dialog's own angle and interval methods).
const std::vector<CalcPreset> &calcPresets();
// The preset of that key; "Custom" for a key it does not know (an old city).
const CalcPreset &presetByKey(const QString &key);

// Sets the plan's angles, Isha interval and minutes to the preset's (adding
// the minutes to those already there); "Custom" leaves the plan as it is.
void applyPreset(const CalcPreset &preset, PrayerYearPlan &plan);
