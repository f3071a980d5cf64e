#pragma once

#include <QString>

// Minutes since local midnight. The parser gives 0..1439, or -1 for text
// that is not a time; stored values may be anything (1440 occurs).
using TimeOfDay = int;

inline constexpr TimeOfDay kNoTime = -1;

// Reads "HH:MM" or "HH:MM" followed by "AM"/"PM" (any case, blanks around).
TimeOfDay parseTimeOfDay(QString text);

// "%02d:%02d %s" with the 12-hour hour and "AM"/"PM"; 0 gives "12:00 AM".
QString formatTimeOfDay12(TimeOfDay minutes);

// Whether a stored time rings at this second since midnight: only at
// second 0 of its minute, and never for a value outside the day.
constexpr bool ringsAt(TimeOfDay stored, int secondOfDay)
{
    return stored >= 0 && stored < 24 * 60 && stored * 60 == secondOfDay;
}

// What the user is told when a typed time does not parse.
QString timeFormatMessage(const QString &typed);
