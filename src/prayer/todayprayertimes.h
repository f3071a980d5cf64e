#pragma once

#include "db/dbresult.h"
#include "core/prayertimes.h"

class DataSource;

// Today's times, held by the clock for the whole run; all 0 at start.
using TodayPrayerTimes = PrayerTimes;

// Reads the row of the given day of the year (1 = January 1) into times.
// A Jumma of 0 or less, or of 1440 or more, becomes the Zohor time. When the
// day has no row, the database fails or is not there yet (reading never creates
// it), times keep their previous values;
// nothing is shown to the user, since this runs at start-up and at midnight.
// Gives true when the times were replaced.
DbResult<bool> loadTodayPrayerTimes(const DataSource &source, int dayOfYear, TodayPrayerTimes &times);
