#pragma once

#include "core/timesource.h"

#include <QPointer>

#include <vector>

// A clock the test sets and moves. Moving it forward runs the calls that
// fall due on the way, each at its own moment, in order; setting it runs none.
class VirtualTimeSource final : public TimeSource
{
public:
    explicit VirtualTimeSource(qint64 calendarSeconds = 0) : m_ms(calendarSeconds * 1000) {}

    qint64 now() const override { return m_ms / 1000; }
    void callAfter(int milliseconds, QObject *context, std::function<void()> due) override;

    void set(qint64 calendarSeconds) { m_ms = calendarSeconds * 1000; }
    void advance(qint64 seconds) { advanceMs(seconds * 1000); }
    void advanceMs(qint64 milliseconds);

    // Calendar seconds of a local wall-clock time in the current TZ.
    static qint64 fromLocal(int year, int month, int day, int hour, int minute, int second);

private:
    struct Call
    {
        qint64 dueMs;
        QPointer<QObject> context;
        std::function<void()> due;
    };

    qint64 m_ms;
    std::vector<Call> m_calls; // soonest first; calls due together in the order made
};
