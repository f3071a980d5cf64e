#pragma once

#include "timetext/timeofday.h"

#include <QList>

#include <optional>

class DayCalendar;

// How a batch's time moves from one day to the next.
enum class BatchMode { Fixed = 0, Ascending = 1, Descending = 2 };

// Day numbers, first..last inclusive.
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
// A "to" before the "from" gives the first day alone: a period never wraps
// past December 31.
std::optional<BatchPeriod> batchPeriodOf(const DayCalendar &calendar, int fromDay, int fromMonth,
                                         int toDay, int toMonth);

// The value of every day of the period, starting at the given time and
// moving by step minutes per day.
QList<BatchDay> batchDays(BatchPeriod period, TimeOfDay start, BatchMode mode, int step);
