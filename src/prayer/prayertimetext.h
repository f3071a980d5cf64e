#pragma once

#include "timetext/timeofday.h"

#include <QString>

// A stored prayer time as the edit-by-day dialog shows it: "%02d:%02d %s"
// in 12-hour form where midnight reads "00:00 AM"; a value outside
// 0..1440 shows as 0. parseTimeOfDay reads every such text back.
QString formatPrayerTime(TimeOfDay minutes);
