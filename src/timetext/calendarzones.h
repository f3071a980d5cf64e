#pragma once

#include <QByteArray>
#include <QDate>

#include <libical/ical.h>

// Time zones of calendar files, between libical and the clock's local wall
// clock (the C library's zone rules). Only the calendar reader and writer use it.

// The zone a TZID names: the calendar's own VTIMEZONE, else a zone name
// (also behind a prefix such as "/mozilla.org/20070129_1/"), else a Windows
// zone name such as "GMT Standard Time". Null when none resolves.
icaltimezone *resolveZone(icalcomponent *calendar, const QByteArray &tzid);

// The calendar seconds of a local wall time; in a skipped hour, the moment after it.
qint64 localMoment(const QDate &date, int minutes);

// The clock's own zone as libical knows it, with the name it has on this
// machine (e.g. "Europe/London"); null when it has none.
struct LocalZone
{
    icaltimezone *zone = nullptr;
    QByteArray name;
};
LocalZone localZone();

// Its VTIMEZONE under that name, cut to the rules in force from `from` on.
icalcomponent *localZoneComponent(const LocalZone &local, qint64 from);
