#pragma once

#include "core/prayertimes.h"
#include "prayer/prayerastronomy.h"
#include "timetext/calendarentry.h"
#include "timetext/calendarwriter.h"

#include <QDate>
#include <QList>

class PrayerStore;

// A day's prayers as the clock calls them, each an event of its own named
// after the prayer: Fajr, Zohor (Jumma on a Friday), Asr, Magreb, Isha. A
// stored 0, or a time outside the day, is no prayer.
QList<CalendarEntry> prayerEntries(const QDate &day, const PrayerTimes &times);

// A computed year (chimewise-times) as the generation would store it.
QList<CalendarEntry> yearEntries(const PrayerCalcParams &params, const PrayerTimeTable &table);

// Why the period cannot be exported (it ends before it begins, or is longer
// than a year), or empty.
QString timingsPeriodProblem(const QDate &first, const QDate &last);

// The stored times of the days from `first` to `last` (both included, at
// most a year; the table holds one row per day of the year) into a calendar
// file in the local zone; `now` is its DTSTAMP.
CalendarOutcome exportPrayerTimings(const QString &path, const PrayerStore &store, const QDate &first,
                                    const QDate &last, qint64 now);
