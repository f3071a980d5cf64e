#include "core/secondcatchup.h"

SecondCatchUp::SecondCatchUp(qint64 lastChecked)
    : m_lastCalendar(lastChecked)
    , m_newestWall(TimeSource::toLocal(lastChecked).wallSecond())
{
}

TickSecond SecondCatchUp::owed(qint64 calendar, const LocalTime &local, qint64 now) const
{
    const qint64 late = now - calendar;
    const Timeliness timeliness = late <= kOnTimeSeconds ? Timeliness::OnTime
                                  : late <= kLateSeconds ? Timeliness::Late
                                                         : Timeliness::Missed;
    return {calendar, local, timeliness};
}

std::optional<TickSecond> SecondCatchUp::takeNext(qint64 now, const LocalTime &localNow)
{
    if (m_skippedNext <= m_skippedLast)
        return owed(m_lastCalendar, LocalTime::fromWallSecond(m_skippedNext++), now);
    // A calendar clock set back: the wall clock tells which seconds are relived.
    if (now < m_lastCalendar)
        m_lastCalendar = now - 1;
    while (m_lastCalendar < now) {
        qint64 calendar = m_lastCalendar + 1;
        bool followsTheLast = true;
        if (now - calendar >= kLongestGapSeconds) {
            calendar = now - kLongestGapSeconds + 1;
            followsTheLast = false;
        }
        m_lastCalendar = calendar;
        const LocalTime local = calendar == now ? localNow : TimeSource::toLocal(calendar);
        const qint64 wall = local.wallSecond();
        if (wall <= m_newestWall) {
            if (m_newestWall - wall <= kMaxWallJumpSeconds)
                continue;
            m_newestWall = wall - 1;
        }
        const qint64 skipped = wall - m_newestWall - 1;
        if (followsTheLast && skipped > 0 && skipped < kMaxWallJumpSeconds) {
            m_skippedNext = m_newestWall + 1;
            m_skippedLast = wall;
            m_newestWall = wall;
            return takeNext(now, localNow);
        }
        m_newestWall = wall;
        return owed(calendar, local, now);
    }
    return std::nullopt;
}
