#pragma once

#include "core/minuteofday.h"

#include <QString>

// Reads "HH:MM" or "HH:MM" followed by "AM"/"PM" (any case, blanks around).
// Bangla digits and the shown words for AM and PM read as the ASCII ones.
TimeOfDay parseTimeOfDay(QString text);

// "%02d:%02d %s" with the 12-hour hour and "AM"/"PM"; 0 gives "12:00 AM".
QString formatTimeOfDay12(TimeOfDay minutes);

// "AM" or "PM" in the interface language.
QString halfOfDayName(bool pm);

// formatTimeOfDay12 as shown to the user: digits and AM/PM in the interface
// language. Stored and edited texts keep formatTimeOfDay12.
QString showTimeOfDay12(TimeOfDay minutes);

// What the user is told when a typed time does not parse.
QString timeFormatMessage(const QString &typed);
