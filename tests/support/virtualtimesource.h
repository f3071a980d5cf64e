#pragma once

#include "core/timesource.h"

#include <QPointer>

#include <map>

// A clock the test sets and moves. Moving it forward runs the calls that
// fall due on the way, each at its own moment, in order; setting it runs none.
// Its monotonic clock follows every move but a sleep.
class VirtualTimeSource final : public TimeSource
{
public:
    explicit VirtualTimeSource(qint64 calendarSeconds = 0) : m_ms(calendarSeconds * 1000) {}

    qint64 nowMs() const override { return m_ms; }
    qint64 monotonicMs() const override { return m_ms - m_sleptMs; }
    void callAfter(int milliseconds, QObject *context, std::function<void()> due) override
    {
        m_calls.emplace(m_ms + qMax(0, milliseconds), Call{context, std::move(due)});
    }

    void set(qint64 calendarSeconds) { m_ms = calendarSeconds * 1000; }
    void advance(qint64 seconds) { advanceMs(seconds * 1000); }
    void advanceMs(qint64 milliseconds);
    // A suspended machine: the calendar moves on, the monotonic clock does not.
    void sleep(qint64 seconds);

    // Calendar seconds of a local wall-clock time in the current TZ.
    static qint64 fromLocal(int year, int month, int day, int hour, int minute, int second);

private:
    using Call = std::pair<QPointer<QObject>, std::function<void()>>;

    qint64 m_ms;
    qint64 m_sleptMs = 0;
    std::multimap<qint64, Call> m_calls; // by the moment due; calls due together in the order made
};
