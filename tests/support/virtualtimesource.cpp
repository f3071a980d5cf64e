#include "support/virtualtimesource.h"

#include <ctime>

void VirtualTimeSource::advanceMs(qint64 milliseconds)
{
    const qint64 until = m_ms + milliseconds;
    // A call may make another that falls due before `until`.
    for (auto next = m_calls.begin(); next != m_calls.end() && next->first <= until; next = m_calls.begin()) {
        m_ms = qMax(m_ms, next->first);
        const auto [context, due] = std::move(next->second);
        m_calls.erase(next);
        if (context)
            due();
    }
    m_ms = until;
}

void VirtualTimeSource::sleep(qint64 seconds)
{
    m_sleptMs += seconds * 1000;
    advance(seconds);
}

qint64 VirtualTimeSource::fromLocal(int year, int month, int day, int hour, int minute, int second)
{
    std::tm tm{};
    tm.tm_year = year - 1900;
    tm.tm_mon = month - 1;
    tm.tm_mday = day;
    tm.tm_hour = hour;
    tm.tm_min = minute;
    tm.tm_sec = second;
    tm.tm_isdst = -1;
    return qint64(std::mktime(&tm));
}
