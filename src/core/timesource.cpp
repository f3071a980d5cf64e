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

qint64 SystemTimeSource::now() const
{
    return qint64(std::time(nullptr));
}

void SystemTimeSource::callAfter(int milliseconds, QObject *context, std::function<void()> due)
{
    QTimer::singleShot(qMax(0, milliseconds), Qt::PreciseTimer, context, std::move(due));
}
