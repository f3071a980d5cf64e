#include "prayer/calcpreset.h"

#include "prayer/storedyear.h"

const std::vector<CalcPreset> &calcPresets()
{
    // Sunrise moves too in some (Turkey -7, Dubai -3), but sunrise is never stored.
    static const std::vector<CalcPreset> presets{
        {"mwl", QT_TRANSLATE_NOOP("CalcPreset", "Muslim World League"), 18.0, 17.0, 0, 0.0, {0, 1, 0, 0, 0}},
        {"egypt", QT_TRANSLATE_NOOP("CalcPreset", "Egyptian"), 19.5, 17.5, 0, 0.0, {0, 1, 0, 0, 0}},
        {"karachi", QT_TRANSLATE_NOOP("CalcPreset", "Karachi"), 18.0, 18.0, 0, 0.0, {0, 1, 0, 0, 0}},
        {"ummalqura", QT_TRANSLATE_NOOP("CalcPreset", "Umm al-Qura"), 18.5, 0.0, 90, 0.0, {}},
        {"dubai", QT_TRANSLATE_NOOP("CalcPreset", "Dubai"), 18.2, 18.2, 0, 0.0, {0, 3, 3, 3, 0}},
        {"isna", QT_TRANSLATE_NOOP("CalcPreset", "North America (ISNA)"), 15.0, 15.0, 0, 0.0, {0, 1, 0, 0, 0}},
        {"kuwait", QT_TRANSLATE_NOOP("CalcPreset", "Kuwait"), 18.0, 17.5, 0, 0.0, {}},
        {"qatar", QT_TRANSLATE_NOOP("CalcPreset", "Qatar"), 18.0, 0.0, 90, 0.0, {}},
        {"singapore", QT_TRANSLATE_NOOP("CalcPreset", "Singapore"), 20.0, 18.0, 0, 0.0, {0, 1, 0, 0, 0}},
        {"tehran", QT_TRANSLATE_NOOP("CalcPreset", "Tehran"), 17.7, 14.0, 0, 4.5, {}},
        {"turkey", QT_TRANSLATE_NOOP("CalcPreset", "Turkey"), 18.0, 17.0, 0, 0.0, {0, 5, 4, 7, 0}},
        {CalcPreset::kCustomKey, QT_TRANSLATE_NOOP("CalcPreset", "Custom"), 18.0, 18.0, 0, 0.0, {}},
    };
    return presets;
}

const CalcPreset &presetByKey(const QString &key)
{
    const std::vector<CalcPreset> &presets = calcPresets();
    for (const CalcPreset &preset : presets) {
        if (preset.key == key)
            return preset;
    }
    return presets.back();
}

void applyPreset(const CalcPreset &preset, PrayerYearPlan &plan)
{
    if (preset.isCustom())
        return;
    plan.params.fajrMethod = FajrMethod::ByAngle;
    plan.params.fajrAngle = preset.fajrAngle;
    plan.params.ishaAngle = preset.ishaAngle;
    plan.params.magrebAngle = preset.magrebAngle;
    plan.ishaMinutes = preset.ishaMinutes;
    for (int i = 0; i < 5; ++i)
        plan.minutes[i] += preset.minutes[i];
}
