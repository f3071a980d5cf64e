#include "timetext/calendarreader.h"

#include "core/timesource.h"
#include "timetext/calendarlines.h"
#include "timetext/calendarzones.h"

#include <QHash>

#include <algorithm>
#include <memory>

namespace {

// Occurrences looked at for one rule whose COUNT keeps it from starting near the moment asked for.
constexpr int kMaxOccurrences = 100000;

using TimeOf = icaltimetype (*)(const icalproperty *);

struct ComponentFree
{
    void operator()(icalcomponent *component) const { icalcomponent_free(component); }
};

QString text(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

// A start on the local wall clock and as a moment.
struct Start
{
    QDate date;
    int minutes = 0;
    qint64 moment = 0;
};

class EventReader
{
public:
    EventReader(icalcomponent *calendar, const CalendarReadFrom &from) : m_calendar(calendar), m_from(from) {}

    // The starts of the occurrences written out on their own (RECURRENCE-ID), by UID.
    void collectOverrides();
    CalendarEntry read(icalcomponent *event) const;

private:
    Start localStart(icaltimetype time, icaltimezone *zone) const;
    // The zone of a time property; `unknown` when its TZID names nothing.
    icaltimezone *zoneOf(icalproperty *property, icaltimetype time, bool *unknown = nullptr) const;
    std::optional<Start> startOf(icalproperty *property, TimeOf timeOf, bool *unknown = nullptr) const;
    bool notPassed(const Start &start) const;
    std::optional<Start> nextOccurrence(icalcomponent *event, icalproperty *dtstart, const QList<qint64> &skipped) const;
    qint64 endOf(icalcomponent *event, const Start &first, const Start &chosen, bool allDay) const;
    CalendarAlarm readAlarm(icalcomponent *alarm, qint64 start, qint64 end, CalendarEntry &entry) const;
    void readExtras(icalcomponent *event, CalendarEntry &entry) const;
    void holdUntil(icaltimetype time, CalendarEntry &entry) const;

    icalcomponent *m_calendar;
    CalendarReadFrom m_from;
    QHash<QString, QList<qint64>> m_overrides;
};

Start EventReader::localStart(icaltimetype time, icaltimezone *zone) const
{
    time = icaltime_normalize(time); // "T240000" is the next day's midnight, not a minute 1440
    if (time.is_date) {
        const QDate date(time.year, time.month, time.day);
        return {date, m_from.allDayMinutes, localMoment(date, m_from.allDayMinutes)};
    }
    if (!zone) {
        const QDate date(time.year, time.month, time.day);
        const int minutes = time.hour * 60 + time.minute;
        return {date, minutes, localMoment(date, minutes) + time.second};
    }
    const qint64 moment = icaltime_as_timet_with_zone(time, zone);
    const LocalTime local = TimeSource::toLocal(moment);
    return {local.date(), local.hour * 60 + local.minute, moment};
}

icaltimezone *EventReader::zoneOf(icalproperty *property, icaltimetype time, bool *unknown) const
{
    if (icalparameter *tzid = icalproperty_get_first_parameter(property, ICAL_TZID_PARAMETER)) {
        icaltimezone *zone = resolveZone(m_calendar, icalparameter_get_tzid(tzid));
        if (unknown)
            *unknown = !zone;
        return zone;
    }
    return icaltime_is_utc(time) ? icaltimezone_get_utc_timezone() : nullptr;
}

std::optional<Start> EventReader::startOf(icalproperty *property, TimeOf timeOf, bool *unknown) const
{
    if (!property)
        return std::nullopt;
    const icaltimetype time = timeOf(property);
    if (icaltime_is_null_time(time) || !icaltime_is_valid_time(time))
        return std::nullopt;
    return localStart(time, zoneOf(property, time, unknown));
}

bool EventReader::notPassed(const Start &start) const
{
    return std::pair(start.date, start.minutes) >= std::pair(m_from.date, m_from.minutes);
}

void EventReader::collectOverrides()
{
    for (icalcomponent *event = icalcomponent_get_first_component(m_calendar, ICAL_VEVENT_COMPONENT); event;
         event = icalcomponent_get_next_component(m_calendar, ICAL_VEVENT_COMPONENT)) {
        const auto start = startOf(icalcomponent_get_first_property(event, ICAL_RECURRENCEID_PROPERTY),
                                   icalproperty_get_recurrenceid);
        if (start)
            m_overrides[text(icalcomponent_get_uid(event))] << start->moment;
    }
}

std::optional<Start> EventReader::nextOccurrence(icalcomponent *event, icalproperty *dtstart,
                                                 const QList<qint64> &skipped) const
{
    const icaltimetype first = icalproperty_get_dtstart(dtstart);
    icaltimezone *zone = zoneOf(dtstart, first);
    const icalrecurrencetype rule =
        icalproperty_get_rrule(icalcomponent_get_first_property(event, ICAL_RRULE_PROPERTY));
    const std::unique_ptr<icalrecur_iterator, void (*)(icalrecur_iterator *)> occurrences(
        icalrecur_iterator_new(rule, first), icalrecur_iterator_free);
    if (!occurrences)
        return std::nullopt;
    // Two days before, whatever the zones: the rule's own times are on its wall clock.
    icaltimetype near = first;
    const QDate day = m_from.date.addDays(-2);
    near.year = day.year();
    near.month = day.month();
    near.day = day.day();
    if (rule.count == 0 && icaltime_compare(near, first) > 0)
        icalrecur_iterator_set_start(occurrences.get(), near);
    for (int i = 0; i < kMaxOccurrences; ++i) {
        const icaltimetype next = icalrecur_iterator_next(occurrences.get());
        if (icaltime_is_null_time(next))
            break;
        const Start start = localStart(next, zone);
        if (notPassed(start) && !skipped.contains(start.moment))
            return start;
    }
    return std::nullopt;
}

// The end keeps the first occurrence's length; an event without one ends
// as it starts, or a day later when it is all-day.
qint64 EventReader::endOf(icalcomponent *event, const Start &first, const Start &chosen, bool allDay) const
{
    if (const auto end = startOf(icalcomponent_get_first_property(event, ICAL_DTEND_PROPERTY), icalproperty_get_dtend))
        return chosen.moment + (end->moment - first.moment);
    if (icalproperty *duration = icalcomponent_get_first_property(event, ICAL_DURATION_PROPERTY))
        return chosen.moment + icaldurationtype_as_int(icalproperty_get_duration(duration));
    return chosen.moment + (allDay ? 86400 : 0);
}

void EventReader::holdUntil(icaltimetype time, CalendarEntry &entry) const
{
    if (icaltime_is_null_time(time) || !icaltime_is_valid_time(time))
        return;
    const qint64 moment = localStart(time, icaltime_is_utc(time) ? icaltimezone_get_utc_timezone() : nullptr).moment;
    entry.heldUntil = std::max(entry.heldUntil.value_or(moment), moment);
}

CalendarAlarm::Action actionOf(icalcomponent *alarm)
{
    icalproperty *action = icalcomponent_get_first_property(alarm, ICAL_ACTION_PROPERTY);
    switch (action ? icalproperty_get_action(action) : ICAL_ACTION_NONE) {
    case ICAL_ACTION_DISPLAY: return CalendarAlarm::Action::Display;
    case ICAL_ACTION_AUDIO: return CalendarAlarm::Action::Audio;
    case ICAL_ACTION_EMAIL: return CalendarAlarm::Action::Email;
    default: return CalendarAlarm::Action::Other;
    }
}

int clampedSeconds(qint64 seconds)
{
    return int(std::clamp<qint64>(seconds, -(qint64(1) << 30), qint64(1) << 30));
}

CalendarAlarm EventReader::readAlarm(icalcomponent *alarm, qint64 start, qint64 end, CalendarEntry &entry) const
{
    CalendarAlarm read;
    read.action = actionOf(alarm);
    icalproperty *trigger = icalcomponent_get_first_property(alarm, ICAL_TRIGGER_PROPERTY);
    if (!trigger) {
        read.action = CalendarAlarm::Action::Other; // an alarm that never rings
        return read;
    }
    const icaltriggertype when = icalproperty_get_trigger(trigger);
    if (!icaltime_is_null_time(when.time)) {
        read.offset = clampedSeconds(localStart(when.time, zoneOf(trigger, when.time)).moment - start);
    } else {
        icalparameter *related = icalproperty_get_first_parameter(trigger, ICAL_RELATED_PARAMETER);
        const bool fromEnd = related && icalparameter_get_related(related) == ICAL_RELATED_END;
        read.offset = clampedSeconds((fromEnd ? end - start : 0) + icaldurationtype_as_int(when.duration));
    }
    icalproperty *repeat = icalcomponent_get_first_property(alarm, ICAL_REPEAT_PROPERTY);
    icalproperty *duration = icalcomponent_get_first_property(alarm, ICAL_DURATION_PROPERTY);
    if (repeat && duration) {
        read.repeat = icalproperty_get_repeat(repeat);
        read.repeatSeconds = icaldurationtype_as_int(icalproperty_get_duration(duration));
    }
    if (icalproperty *attach = icalcomponent_get_first_property(alarm, ICAL_ATTACH_PROPERTY)) {
        icalattach *file = icalproperty_get_attach(attach);
        if (file && icalattach_get_is_url(file))
            read.attach = text(icalattach_get_url(file));
    }
    if (icalproperty *acknowledged = icalcomponent_get_first_property(alarm, ICAL_ACKNOWLEDGED_PROPERTY))
        holdUntil(icalproperty_get_acknowledged(acknowledged), entry);
    return read;
}

void EventReader::readExtras(icalcomponent *event, CalendarEntry &entry) const
{
    for (icalproperty *property = icalcomponent_get_first_property(event, ICAL_X_PROPERTY); property;
         property = icalcomponent_get_next_property(event, ICAL_X_PROPERTY)) {
        const QByteArray name = QByteArray(icalproperty_get_x_name(property)).toUpper();
        const QByteArray value = icalproperty_get_value_as_string(property);
        if (name.startsWith("X-MOZ-SNOOZE-TIME") || name == "X-MOZ-LASTACK")
            holdUntil(icaltime_from_string(value.constData()), entry);
        else if (name.startsWith("X-CHIMEWISE-"))
            entry.extras.emplace_back(name, value);
    }
}

CalendarEntry EventReader::read(icalcomponent *event) const
{
    CalendarEntry entry;
    entry.uid = text(icalcomponent_get_uid(event));
    entry.summary = text(icalcomponent_get_summary(event));
    entry.description = text(icalcomponent_get_description(event));
    readExtras(event, entry);
    icalproperty *dtstart = icalcomponent_get_first_property(event, ICAL_DTSTART_PROPERTY);
    const auto first = startOf(dtstart, icalproperty_get_dtstart, &entry.zoneUnknown);
    if (!first)
        return entry;
    entry.hasStart = true;
    entry.allDay = icalproperty_get_dtstart(dtstart).is_date;
    Start chosen = *first;
    if (icalcomponent_get_first_property(event, ICAL_RRULE_PROPERTY)) {
        entry.repeats = true;
        QList<qint64> skipped = m_overrides.value(entry.uid);
        for (icalproperty *exdate = icalcomponent_get_first_property(event, ICAL_EXDATE_PROPERTY); exdate;
             exdate = icalcomponent_get_next_property(event, ICAL_EXDATE_PROPERTY)) {
            if (const auto start = startOf(exdate, icalproperty_get_exdate))
                skipped << start->moment;
        }
        // DTSTART is the first occurrence even where the rule would not give it.
        if (!notPassed(*first) || skipped.contains(first->moment))
            chosen = nextOccurrence(event, dtstart, skipped).value_or(*first);
    }
    entry.date = chosen.date;
    entry.minutes = chosen.minutes;
    entry.start = chosen.moment;
    const qint64 end = endOf(event, *first, chosen, entry.allDay);
    for (icalcomponent *alarm = icalcomponent_get_first_component(event, ICAL_VALARM_COMPONENT); alarm;
         alarm = icalcomponent_get_next_component(event, ICAL_VALARM_COMPONENT))
        entry.alarms << readAlarm(alarm, entry.start, end, entry);
    return entry;
}

// One VCALENDAR, or several under libical's XROOT.
QList<icalcomponent *> calendarsIn(icalcomponent *root)
{
    if (icalcomponent_isa(root) == ICAL_VCALENDAR_COMPONENT)
        return {root};
    QList<icalcomponent *> calendars;
    for (icalcomponent *c = icalcomponent_get_first_component(root, ICAL_VCALENDAR_COMPONENT); c;
         c = icalcomponent_get_next_component(root, ICAL_VCALENDAR_COMPONENT))
        calendars << c;
    return calendars;
}

} // namespace

CalendarReading readCalendar(const QByteArray &text, const CalendarReadFrom &from)
{
    const QByteArray body = text.startsWith("\xEF\xBB\xBF") ? text.mid(3) : text;
    CalendarReading reading;
    reading.error = checkCalendarLines(body);
    if (!reading.error.isEmpty())
        return reading;
    const std::unique_ptr<icalcomponent, ComponentFree> root(icalparser_parse_string(body.constData()));
    if (!root) {
        reading.error = "The file holds no calendar";
        return reading;
    }
    for (icalcomponent *calendar : calendarsIn(root.get())) {
        EventReader reader(calendar, from);
        reader.collectOverrides();
        for (icalcomponent *event = icalcomponent_get_first_component(calendar, ICAL_VEVENT_COMPONENT); event;
             event = icalcomponent_get_next_component(calendar, ICAL_VEVENT_COMPONENT))
            reading.entries << reader.read(event);
    }
    return reading;
}
