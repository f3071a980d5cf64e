#pragma once

#include <QByteArray>

#include <libical/ical.h>

// What libical finds wrong in a calendar the clock wrote: -1 when its
// restriction check fails, else the errors its parser noted (0 for a sound file).
inline int libicalErrors(const QByteArray &text)
{
    icalcomponent *calendar = icalparser_parse_string(text.constData());
    if (!calendar)
        return -1;
    const int errors = icalrestriction_check(calendar) ? icalcomponent_count_errors(calendar) : -1;
    icalcomponent_free(calendar);
    return errors;
}
