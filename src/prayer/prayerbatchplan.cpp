#include "prayer/prayerbatchplan.h"

#include "prayer/daycalendar.h"

std::optional<BatchPeriod> batchPeriodOf(const DayCalendar &calendar, int fromDay, int fromMonth,
                                         int toDay, int toMonth)
{
    BatchPeriod period{fromDay + calendar.daysBefore(fromMonth),
                       toDay + calendar.daysBefore(toMonth)};
    // Day 0 of a month is the last day of the month before, as typed.
    if (period.first < 1 || period.first > calendar.daysBefore(fromMonth + 1)
        || period.last > calendar.daysBefore(toMonth + 1)) {
        return std::nullopt;
    }
    if (period.last < period.first)
        period.last = period.first;
    return period;
}

QList<BatchDay> batchDays(BatchPeriod period, TimeOfDay start, BatchMode mode, int step)
{
    const int change = mode == BatchMode::Ascending ? step
                     : mode == BatchMode::Descending ? -step
                                                     : 0;
    QList<BatchDay> days;
    TimeOfDay value = start;
    for (int day = period.first; day <= period.last; ++day) {
        days << BatchDay{day, value};
        value += change;
    }
    return days;
}
