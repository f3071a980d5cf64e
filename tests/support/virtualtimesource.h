#pragma once

#include "core/timesource.h"

// A clock the test sets and moves; sleeping moves it too, at once.
class VirtualTimeSource final : public TimeSource
{
public:
    explicit VirtualTimeSource(qint64 calendarSeconds = 0) : m_ms(calendarSeconds * 1000) {}

    qint64 now() const override { return m_ms / 1000; }
    void sleep(int milliseconds) override { m_ms += milliseconds; }

    void set(qint64 calendarSeconds) { m_ms = calendarSeconds * 1000; }
    void advance(qint64 seconds) { m_ms += seconds * 1000; }

    // Calendar seconds of a local wall-clock time in the current TZ.
    static qint64 fromLocal(int year, int month, int day, int hour, int minute, int second);

private:
    qint64 m_ms;
};
