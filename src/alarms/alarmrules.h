#pragma once

#include "core/profilesettings.h"
#include "timetext/timeofday.h"

#include <QString>

// The stored path without trailing blanks; its case is kept, since file
// names are case-sensitive here.
QString alarmPathToOpen(const QString &storedPath);

// Whether a fired file goes to the sound channel: its name, trailing blanks
// removed, ends in "wav" in any case. Anything else goes to the desktop.
bool isWaveFile(const QString &path);

// Why the entry of the slot at listIndex (-1 for none) cannot be set, in
// the words the user sees; empty when it can. days: bits, Monday the lowest.
QString alarmEntryProblem(int listIndex, const QString &file, const QString &timeText, int days);
