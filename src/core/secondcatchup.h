#pragma once

#include "core/timesource.h"

#include <QtGlobal>

#include <optional>

// How long after its moment a second is checked, on the calendar clock.
enum class Timeliness {
    OnTime, // within a few seconds: a busy thread, the spoken time before it
    Late,   // within the late window: what is due rings now, in the order it came due
    Missed, // longer ago (the machine slept, the clock was stopped): told, never rung
};

// One second whose scheduled checks run: the calendar second it is checked
// for and the wall-clock second it stands for (the same but in a spring
// night, when the skipped hour's seconds are owed at the jump).
struct TickSecond
{
    qint64 calendar = 0;
    LocalTime local;
    Timeliness timeliness = Timeliness::OnTime;

    bool onTime() const { return timeliness == Timeliness::OnTime; }
    bool missed() const { return timeliness == Timeliness::Missed; }
};

// Which seconds the scheduled checks still owe. A 1000 ms timer drifts
// against the wall clock, a busy thread skips ticks and a suspended machine
// skips hours, so a check that waited for one exact second could miss it;
// each tick instead takes every second after the last one checked, oldest
// first. Seconds are counted twice: on the calendar, which says how late a
// check is, and on the wall clock, which says whether a local time has been
// checked already (an autumn night, a clock set back) or was skipped (spring).
class SecondCatchUp
{
public:
    static constexpr qint64 kOnTimeSeconds = 10;
    static constexpr qint64 kLateSeconds = 600;
    // Beyond this, a gap is not even told: a week away would list a week.
    static constexpr qint64 kLongestGapSeconds = 86400;
    // A wall clock set back by at most this much (an autumn night, a
    // correction) relives seconds already checked: they are not checked
    // again, so nothing rings twice. Set back further, the clock was badly
    // wrong: checking starts afresh, since a day without alarms is worse
    // than a repeat. A wall clock that jumps forward by at most this much
    // between two calendar seconds owes every second it skipped.
    static constexpr qint64 kMaxWallJumpSeconds = 2 * 3600;

    // lastChecked: the newest calendar second whose checks have run.
    explicit SecondCatchUp(qint64 lastChecked);

    // The next owed second up to now, marked as checked before the caller
    // runs its checks; nothing once every second up to now has been taken.
    // localNow is now on the local clock, which the caller has at hand.
    std::optional<TickSecond> takeNext(qint64 now, const LocalTime &localNow);

private:
    TickSecond owed(qint64 calendar, const LocalTime &local, qint64 now) const;

    qint64 m_lastCalendar;
    qint64 m_newestWall;
    // Wall seconds skipped by a spring jump, owed at the calendar second of the jump.
    qint64 m_skippedNext = 1;
    qint64 m_skippedLast = 0;
};
