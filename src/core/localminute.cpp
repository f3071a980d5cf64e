#include "core/localminute.h"

LocalTime LocalMinute::at(qint64 calendarSeconds)
{
    const qint64 intoMinute = calendarSeconds - m_start;
    if (m_known && intoMinute >= 0 && intoMinute < 60) {
        LocalTime local = m_minute;
        local.second = int(intoMinute);
        return local;
    }
    const LocalTime local = TimeSource::toLocal(calendarSeconds);
    // A leap second (right/ zones) is not counted on: the next second converts afresh.
    m_known = local.second < 60;
    m_start = calendarSeconds - local.second;
    m_minute = local;
    m_minute.second = 0;
    return local;
}
