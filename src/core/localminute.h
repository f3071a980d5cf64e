#pragma once

#include "core/timesource.h"

// The local time of seconds that the tick asks for one after another: the
// C library converts the first second asked for in each minute, and the
// rest of the minute is counted on from it. Zones change their offset at a
// whole minute of the local time they leave, so the count agrees with the
// conversion.
class LocalMinute
{
public:
    LocalTime at(qint64 calendarSeconds);

private:
    qint64 m_start = 0; // calendar second at which m_minute began
    LocalTime m_minute; // its second is 0
    bool m_known = false;
};
