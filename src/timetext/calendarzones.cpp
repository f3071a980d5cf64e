#include "timetext/calendarzones.h"

#include <QTimeZone>

#include <ctime>

namespace {

icaltimezone *namedZone(const QByteArray &name)
{
    if (name.isEmpty())
        return nullptr;
    if (name == "UTC" || name == "Etc/UTC" || name == "GMT")
        return icaltimezone_get_utc_timezone();
    return icaltimezone_get_builtin_timezone(name.constData());
}

} // namespace

icaltimezone *resolveZone(icalcomponent *calendar, const QByteArray &tzid)
{
    if (icaltimezone *own = icalcomponent_get_timezone(calendar, tzid.constData()))
        return own;
    // "/freeassociation.sourceforge.net/Europe/London", "/mozilla.org/…/Europe/London":
    // the zone name is what follows some slash.
    for (qsizetype from = 0;;) {
        if (icaltimezone *zone = namedZone(tzid.mid(from)))
            return zone;
        const qsizetype slash = tzid.indexOf('/', from);
        if (slash < 0)
            break;
        from = slash + 1;
    }
    return namedZone(QTimeZone::windowsIdToDefaultIanaId(tzid));
}

qint64 localMoment(const QDate &date, int minutes)
{
    std::tm tm{};
    tm.tm_year = date.year() - 1900;
    tm.tm_mon = date.month() - 1;
    tm.tm_mday = date.day();
    tm.tm_min = minutes;
    tm.tm_isdst = -1;
    return qint64(std::mktime(&tm));
}

LocalZone localZone()
{
    const QByteArray name = QTimeZone::systemTimeZoneId();
    icaltimezone *zone = namedZone(name);
    // UTC has no VTIMEZONE: its times are written as UTC.
    if (zone == icaltimezone_get_utc_timezone() || (zone && !icaltimezone_get_component(zone)))
        zone = nullptr;
    return {zone, name};
}

icalcomponent *localZoneComponent(const LocalZone &local, qint64 from)
{
    icalcomponent *zone = icalcomponent_new_clone(icaltimezone_get_component(local.zone));
    // libical names its own zones "/freeassociation.sourceforge.net/…";
    // calendar programs know the plain name.
    icalproperty *tzid = icalcomponent_get_first_property(zone, ICAL_TZID_PROPERTY);
    icalproperty_set_tzid(tzid, local.name.constData());
    const icaltimetype start = icaltime_from_timet_with_zone(time_t(from), 0, icaltimezone_get_utc_timezone());
    icaltimezone_truncate_vtimezone(zone, start, icaltime_null_time(), 0);
    return zone;
}
