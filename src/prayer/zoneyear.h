#pragma once

#include <QTimeZone>

#include <utility>
#include <vector>

// The offsets from UTC that a zone's own rules give over one year (with a
// day's margin each side), looked up without asking the zone each time.
class ZoneYear
{
public:
    ZoneYear(const QTimeZone &zone, int year);

    // Seconds east of UTC of the zone's standard time on January 1.
    int standardOffset() const { return m_standard; }
    // Seconds east of UTC in force at that moment.
    int offsetAt(qint64 utcSeconds) const;

private:
    int m_standard = 0;
    int m_initial = 0;
    std::vector<std::pair<qint64, int>> m_changes; // from when (UTC seconds), the new offset
};
