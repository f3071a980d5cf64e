#include "prayer/daycalendar.h"

#include "core/timesource.h"

namespace {

constexpr int kDaysInMonth[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

} // namespace

DayCalendar::DayCalendar(int year) : m_year(year) {}

DayCalendar DayCalendar::currentYear(const TimeSource &time)
{
    return DayCalendar(TimeSource::toLocal(time.now()).year);
}

bool DayCalendar::isLeapYear() const
{
    return (m_year % 4 == 0 && m_year % 100 != 0) || m_year % 400 == 0;
}

int DayCalendar::daysInYear() const
{
    return isLeapYear() ? 366 : 365;
}

int DayCalendar::daysInMonth(int month) const
{
    if (month < 1 || month > 12)
        return 0;
    return kDaysInMonth[month - 1] + (month == 2 && isLeapYear() ? 1 : 0);
}

int DayCalendar::daysBefore(int month) const
{
    int days = 0;
    for (int m = 1; m < month && m <= 12; ++m)
        days += daysInMonth(m);
    return days;
}

int DayCalendar::dayNumber(int month, int dayOfMonth) const
{
    if (dayOfMonth < 1 || dayOfMonth > daysInMonth(month))
        return 0;
    return daysBefore(month) + dayOfMonth;
}
