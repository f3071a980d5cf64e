#pragma once

#include "db/dbresult.h"
#include "prayer/prayerastronomy.h"

#include <array>
#include <functional>

class DbSession;
class PrayerStore;

// The five times of one computed day as the generation stores them, Fajr to Isha.
std::array<int, 5> storedFajrToIsha(const PrayerCalcParams &params, const PrayerTimeTable::Row &row);

// Writes every day of a computed year (366 in a leap year) into the per-day
// table on one session: an empty table gets new rows, a partly filled one
// gets the days it lacks and then every day's five times. Jumma is never
// written. `progress` is told each day number once it is written.
DbStatus writePrayerYear(const PrayerStore &store, DbSession &session,
                         const PrayerCalcParams &params, const PrayerTimeTable &table,
                         const std::function<void(int day)> &progress);
