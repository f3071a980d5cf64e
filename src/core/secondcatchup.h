#pragma once

#include "core/timesource.h"

#include <QtGlobal>

#include <optional>

// Which seconds the scheduled checks still owe. A 1000 ms timer drifts
// against the wall clock and a busy thread skips ticks, so a check that
// waits for one exact second could miss it; each tick instead takes every
// second after the last one checked, oldest first.
//
// Seconds are calendar seconds; each one maps to its own local second.
class SecondCatchUp
{
public:
    // A gap longer than this (suspend, clock set forward) is not replayed.
    static constexpr qint64 kMaxCatchUpSeconds = 300;
    // A clock set back by at most this much (a correction, a wrong zone)
    // relives seconds already checked: they are not checked again, so nothing
    // rings twice. Set back further, the clock was badly wrong: checking
    // starts afresh, since a day without alarms is worse than a repeat.
    static constexpr qint64 kMaxSetBackSeconds = 2 * 3600;

    // lastChecked: the newest second whose checks have run.
    explicit SecondCatchUp(qint64 lastChecked) : m_lastChecked(lastChecked) {}

    // Called once per tick: after a long gap or a clock set back further
    // than kMaxSetBackSeconds only the current second is owed.
    void begin(qint64 now);

    // The next owed second, marked as checked before the caller runs its
    // checks, so that a tick nested inside a check never runs it again.
    std::optional<qint64> takeNext(qint64 now);

private:
    qint64 m_lastChecked;
};

// One second whose scheduled checks run: the calendar second and its local time.
struct TickSecond
{
    qint64 calendar = 0;
    LocalTime local;
};
