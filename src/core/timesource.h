#pragma once

#include <QDate>
#include <QtGlobal>

#include <functional>

class QObject;

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
    // The Julian day of the date, reckoned without QDate: the schedule asks
    // for it several times a second.
    qint64 julianDay() const;
    QDate date() const { return QDate::fromJulianDay(julianDay()); }
    // The date as one number that orders as dates do, quicker to compare.
    int dateKey() const { return (year * 16 + month) * 32 + day; }
    // The wall clock's own count of seconds, as if every day had 86400:
    // it runs back in an autumn night and skips an hour in spring.
    qint64 wallSecond() const { return julianDay() * 86400 + secondOfDay(); }
    static LocalTime fromWallSecond(qint64 wall);
};

// Where every part of the program reads the time and waits. Tests use a
// virtual source that they set and move forward; moving it runs what was
// to be called on the way.
class TimeSource
{
public:
    virtual ~TimeSource() = default;

    // Calendar time: whole seconds since 1970-01-01 00:00:00 UTC.
    qint64 now() const { return nowMs() / 1000; }
    // The same in milliseconds, which says how far into its second the calendar is.
    virtual qint64 nowMs() const = 0;
    // A clock that neither jumps nor runs while the machine is suspended,
    // in milliseconds from an arbitrary start.
    virtual qint64 monotonicMs() const = 0;
    // Runs `due` once from this thread's event loop after that many
    // milliseconds, unless `context` is gone by then. Nothing waits meanwhile.
    virtual void callAfter(int milliseconds, QObject *context, std::function<void()> due) = 0;

    static LocalTime toLocal(qint64 calendarSeconds);
};

class SystemTimeSource final : public TimeSource
{
public:
    qint64 nowMs() const override;
    qint64 monotonicMs() const override;
    void callAfter(int milliseconds, QObject *context, std::function<void()> due) override;
};
