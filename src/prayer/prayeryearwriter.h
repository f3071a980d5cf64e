#pragma once

#include "db/dbresult.h"
#include "prayer/storedyear.h"

#include <functional>

class DbSession;
class PrayerStore;

// Writes every day of a computed year (366 in a leap year) into the per-day
// table on one session: an empty table gets new rows, a partly filled one
// gets the days it lacks and then every day's five times. Jumma is never
// written. All or nothing, in one transaction. `progress` is told each day
// number once it is written (the transaction may still fail after).
DbStatus writePrayerYear(const PrayerStore &store, DbSession &session, const StoredYear &year,
                         const std::function<void(int day)> &progress);
