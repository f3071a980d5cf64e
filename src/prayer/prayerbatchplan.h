#pragma once

#include "timetext/timeofday.h"

#include <QList>

#include <optional>

class DayCalendar;

// How a batch's time moves from one day to the next.
enum class BatchMode { Fixed = 0, Ascending = 1, Descending = 2 };

// Day numbers, first..last inclusive; a last before the first runs on
// past December 31 into January.
struct BatchPeriod
{
    int first = 0;
    int last = 0;
    friend bool operator==(const BatchPeriod &, const BatchPeriod &) = default;
};

struct BatchDay
{
    int dayNumber = 0;
    TimeOfDay minutes = 0; // may leave 0..1439 when the steps run past midnight
    friend bool operator==(const BatchDay &, const BatchDay &) = default;
};

// The days from day/month to day/month. Month 0 counts no days before it.
// Nothing when the first day is below 1 or a day lies beyond the end of its month.
// A "to" left at 0/0 gives the first day alone; one before the "from" runs
// across the new year.
std::optional<BatchPeriod> batchPeriodOf(const DayCalendar &calendar, int fromDay, int fromMonth,
                                         int toDay, int toMonth);

// The value of every day of the period, in order, starting at the given
// time and moving by step minutes per day; `daysInYear` ends December.
QList<BatchDay> batchDays(BatchPeriod period, TimeOfDay start, BatchMode mode, int step, int daysInYear);

// The first day whose value leaves the day (below 0 or past 23:59), if any:
// such a batch is refused whole.
std::optional<BatchDay> firstOutsideTheDay(const QList<BatchDay> &days);
