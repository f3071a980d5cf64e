#pragma once

#include <QtGlobal>

// A moment as the local wall clock shows it (the C library's zone rules).
struct LocalTime
{
    int year = 1970;
    int month = 1;      // 1..12
    int day = 1;        // 1..31
    int weekday = 4;    // 0 = Sunday
    int dayOfYear = 1;  // 1 = January 1
    int hour = 0;
    int minute = 0;
    int second = 0;

    // 0..86399
    int secondOfDay() const { return second + 60 * (minute + 60 * hour); }
};

// Where every part of the program reads the time and waits. Tests use a
// virtual source that they set and move forward; its sleeps advance it.
class TimeSource
{
public:
    virtual ~TimeSource() = default;

    // Calendar time: whole seconds since 1970-01-01 00:00:00 UTC.
    virtual qint64 now() const = 0;
    virtual void sleep(int milliseconds) = 0;

    static LocalTime toLocal(qint64 calendarSeconds);
};

class SystemTimeSource final : public TimeSource
{
public:
    qint64 now() const override;
    void sleep(int milliseconds) override;
};
