#include "core/timesource.h"

#include <QTimer>

#include <ctime>

LocalTime TimeSource::toLocal(qint64 calendarSeconds)
{
    const time_t t = time_t(calendarSeconds);
    std::tm tm{};
    localtime_r(&t, &tm);
    LocalTime local;
    local.year = tm.tm_year + 1900;
    local.month = tm.tm_mon + 1;
    local.day = tm.tm_mday;
    local.weekday = tm.tm_wday;
    local.dayOfYear = tm.tm_yday + 1;
    local.hour = tm.tm_hour;
    local.minute = tm.tm_min;
    local.second = tm.tm_sec;
    return local;
}

// Gregorian years run in eras of 400 years (146097 days); counted from
// 1 March, the leap day ends the year.
qint64 LocalTime::julianDay() const
{
    constexpr qint64 kJulianDayOfMarch1st0000 = 1721120;
    const int y = month <= 2 ? year - 1 : year;
    const int era = (y >= 0 ? y : y - 399) / 400;
    const int yearOfEra = y - era * 400;
    const int dayOfYear = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
    const int dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return kJulianDayOfMarch1st0000 + qint64(era) * 146097 + dayOfEra;
}

LocalTime LocalTime::fromWallSecond(qint64 wall)
{
    const qint64 day = wall / 86400; // Julian days: positive for every date the clock meets
    const int secondOfDay = int(wall - day * 86400);
    const QDate date = QDate::fromJulianDay(day);
    LocalTime local;
    local.year = date.year();
    local.month = date.month();
    local.day = date.day();
    local.weekday = date.dayOfWeek() % 7;
    local.dayOfYear = date.dayOfYear();
    local.hour = secondOfDay / 3600;
    local.minute = secondOfDay / 60 % 60;
    local.second = secondOfDay % 60;
    return local;
}

namespace {

qint64 readMs(clockid_t clock)
{
    timespec now{};
    clock_gettime(clock, &now);
    return qint64(now.tv_sec) * 1000 + now.tv_nsec / 1000000;
}

} // namespace

// One clock for the seconds and their fraction: time() may lag the precise
// clock by a few milliseconds, and a tick just after a whole second must see it.
qint64 SystemTimeSource::nowMs() const
{
    return readMs(CLOCK_REALTIME);
}

// Linux's monotonic clock stands still while the machine is suspended.
qint64 SystemTimeSource::monotonicMs() const
{
    return readMs(CLOCK_MONOTONIC);
}

void SystemTimeSource::callAfter(int milliseconds, QObject *context, std::function<void()> due)
{
    QTimer::singleShot(qMax(0, milliseconds), Qt::PreciseTimer, context, std::move(due));
}
