#pragma once

#include <QByteArray>

// Pins TZ (e.g. "Asia/Dhaka") for the life of the object, through the C
// library's own zone rules, and puts back what was there.
class ScopedTimeZone
{
public:
    explicit ScopedTimeZone(const char *zone);
    ~ScopedTimeZone();

    ScopedTimeZone(const ScopedTimeZone &) = delete;
    ScopedTimeZone &operator=(const ScopedTimeZone &) = delete;

private:
    QByteArray m_previous;
    bool m_hadPrevious;
};
