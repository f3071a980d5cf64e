#include "timetext/calendarwriter.h"

#include "timetext/calendarzones.h"

#include <QSaveFile>
#include <QUuid>

#include <algorithm>
#include <limits>

namespace {

icaltimetype utcTime(qint64 moment)
{
    return icaltime_from_timet_with_zone(time_t(moment), 0, icaltimezone_get_utc_timezone());
}

icalproperty *startProperty(const CalendarEntry &entry, const LocalZone &local)
{
    if (!local.zone)
        return icalproperty_new_dtstart(utcTime(localMoment(entry.date, entry.minutes)));
    icaltimetype wall = icaltime_null_time();
    wall.year = entry.date.year();
    wall.month = entry.date.month();
    wall.day = entry.date.day();
    wall.hour = entry.minutes / 60;
    wall.minute = entry.minutes % 60;
    icalproperty *start = icalproperty_new_dtstart(wall);
    icalproperty_add_parameter(start, icalparameter_new_tzid(local.name.constData()));
    return start;
}

icalcomponent *alarmComponent(const CalendarAlarm &alarm, const CalendarEntry &entry)
{
    const bool audio = alarm.action == CalendarAlarm::Action::Audio;
    icaltriggertype trigger{icaltime_null_time(), icaldurationtype_from_int(alarm.offset)};
    icalcomponent *component = icalcomponent_vanew(
        ICAL_VALARM_COMPONENT, icalproperty_new_action(audio ? ICAL_ACTION_AUDIO : ICAL_ACTION_DISPLAY),
        icalproperty_new_trigger(trigger), nullptr);
    if (audio && !alarm.attach.isEmpty()) {
        icalattach *file = icalattach_new_from_url(alarm.attach.toUtf8().constData());
        icalcomponent_add_property(component, icalproperty_new_attach(file));
        icalattach_unref(file);
    }
    if (!audio) // a DISPLAY alarm says what it shows
        icalcomponent_add_property(component, icalproperty_new_description(entry.summary.toUtf8().constData()));
    if (alarm.repeatSeconds) {
        icalcomponent_add_property(component, icalproperty_new_repeat(alarm.repeat));
        icalcomponent_add_property(component,
                                   icalproperty_new_duration(icaldurationtype_from_int(*alarm.repeatSeconds)));
    }
    return component;
}

icalcomponent *eventComponent(const CalendarEntry &entry, const LocalZone &local, qint64 stamp)
{
    icalcomponent *event = icalcomponent_vanew(
        ICAL_VEVENT_COMPONENT, icalproperty_new_uid(entry.uid.toUtf8().constData()),
        icalproperty_new_dtstamp(utcTime(stamp)), startProperty(entry, local),
        icalproperty_new_summary(entry.summary.toUtf8().constData()), nullptr);
    if (!entry.description.isEmpty())
        icalcomponent_add_property(event, icalproperty_new_description(entry.description.toUtf8().constData()));
    for (const auto &[name, value] : entry.extras) {
        icalproperty *extra = icalproperty_new_x(value.constData());
        icalproperty_set_x_name(extra, name.constData());
        icalcomponent_add_property(event, extra);
    }
    for (const CalendarAlarm &alarm : entry.alarms)
        icalcomponent_add_component(event, alarmComponent(alarm, entry));
    return event;
}

qint64 earliestStart(const QList<CalendarEntry> &entries)
{
    qint64 earliest = std::numeric_limits<qint64>::max();
    for (const CalendarEntry &entry : entries)
        earliest = std::min(earliest, localMoment(entry.date, entry.minutes));
    return earliest;
}

} // namespace

QByteArray writeCalendar(const QList<CalendarEntry> &entries, qint64 stamp)
{
    icalcomponent *calendar = icalcomponent_vanew(
        ICAL_VCALENDAR_COMPONENT, icalproperty_new_version("2.0"),
        icalproperty_new_prodid("-//Chimewise//Chimewise//EN"), icalproperty_new_calscale("GREGORIAN"), nullptr);
    const LocalZone local = localZone();
    if (local.zone && !entries.isEmpty())
        icalcomponent_add_component(calendar, localZoneComponent(local, earliestStart(entries)));
    for (const CalendarEntry &entry : entries)
        icalcomponent_add_component(calendar, eventComponent(entry, local, stamp));
    char *text = icalcomponent_as_ical_string_r(calendar);
    const QByteArray written(text);
    icalmemory_free_buffer(text);
    icalcomponent_free(calendar);
    return written;
}

QString stableUid(const QString &key)
{
    static const QUuid kNamespace("{6f1d5c2a-8f53-4d8e-9b07-3c1f4a2e9d61}");
    return QUuid::createUuidV5(kNamespace, key.toUtf8()).toString(QUuid::WithoutBraces) + "@chimewise";
}

QString saveCalendarFile(const QString &path, const QByteArray &text)
{
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(text) == text.size() && file.commit())
        return {};
    return QString("%1 could not be written (%2). Choose a folder you can write to.").arg(path, file.errorString());
}
