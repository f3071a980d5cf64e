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
    if (period.last == 0)
        period.last = period.first;
    return period;
}

QList<BatchDay> batchDays(BatchPeriod period, TimeOfDay start, BatchMode mode, int step, int daysInYear)
{
    const int change = mode == BatchMode::Ascending ? step
                     : mode == BatchMode::Descending ? -step
                                                     : 0;
    const int count = period.last >= period.first ? period.last - period.first + 1
                                                  : daysInYear - period.first + 1 + period.last;
    QList<BatchDay> days;
    TimeOfDay value = start;
    for (int i = 0; i < count; ++i) {
        days << BatchDay{(period.first - 1 + i) % daysInYear + 1, value};
        value += change;
    }
    return days;
}

std::optional<BatchDay> firstOutsideTheDay(const QList<BatchDay> &days)
{
    for (const BatchDay &day : days) {
        if (day.minutes < 0 || day.minutes >= 24 * 60)
            return day;
    }
    return std::nullopt;
}
