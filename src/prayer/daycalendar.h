#pragma once

class TimeSource;

// Month and day of month <-> day number (1 = January 1) in one given year.
// A leap year has 29 February, so day numbers name the same dates as the
// yearly generation and the prayer call, which count the real calendar.
class DayCalendar
{
public:
    explicit DayCalendar(int year);

    // The calendar of the local year the time source shows now.
    static DayCalendar currentYear(const TimeSource &time);

    int year() const { return m_year; }
    bool isLeapYear() const;
    int daysInYear() const;

    // Month 1..12; 0 for any other month.
    int daysInMonth(int month) const;
    // Days before the month: month 0 and 1 give 0, 13 gives the whole year.
    int daysBefore(int month) const;

    // Day of month + days before the month; 0 when the day is not in the
    // month (day 0, a day beyond the month's end, or no such month).
    int dayNumber(int month, int dayOfMonth) const;

private:
    int m_year;
};
