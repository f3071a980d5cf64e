#include "support/virtualtimesource.h"

#include <algorithm>
#include <ctime>

void VirtualTimeSource::callAfter(int milliseconds, QObject *context, std::function<void()> due)
{
    const qint64 dueMs = m_ms + qMax(0, milliseconds);
    const auto later = std::upper_bound(m_calls.begin(), m_calls.end(), dueMs,
                                        [](qint64 ms, const Call &call) { return ms < call.dueMs; });
    m_calls.insert(later, {dueMs, context, std::move(due)});
}

void VirtualTimeSource::advanceMs(qint64 milliseconds)
{
    const qint64 until = m_ms + milliseconds;
    // A call may make another that falls due before `until`.
    while (!m_calls.empty() && m_calls.front().dueMs <= until) {
        Call call = std::move(m_calls.front());
        m_calls.erase(m_calls.begin());
        m_ms = qMax(m_ms, call.dueMs);
        if (call.context)
            call.due();
    }
    m_ms = until;
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
