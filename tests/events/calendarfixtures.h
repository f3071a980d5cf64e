#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Calendar files in the shapes the programs people use write them, for a
// clock in Asia/Dhaka on Tuesday 10 March 2026 at 08:00.
namespace CalendarFixtures {

inline QByteArray lines(const QStringList &lines)
{
    return (lines.join("\r\n") + "\r\n").toUtf8();
}

// A mail client's calendar: its zone in full, several alarms, a snoozed one,
// one past and one whose reminder lies a day ahead with a sound.
inline QByteArray mailClient(const QString &soundUrl)
{
    return lines({
        "BEGIN:VCALENDAR", "PRODID:-//Mozilla.org/NONSGML Mozilla Calendar V1.1//EN", "VERSION:2.0",
        "BEGIN:VTIMEZONE", "TZID:Europe/London", "X-LIC-LOCATION:Europe/London",
        "BEGIN:DAYLIGHT", "TZOFFSETFROM:+0000", "TZOFFSETTO:+0100", "TZNAME:BST", "DTSTART:19700329T010000",
        "RRULE:FREQ=YEARLY;BYDAY=-1SU;BYMONTH=3", "END:DAYLIGHT",
        "BEGIN:STANDARD", "TZOFFSETFROM:+0100", "TZOFFSETTO:+0000", "TZNAME:GMT", "DTSTART:19701025T020000",
        "RRULE:FREQ=YEARLY;BYDAY=-1SU;BYMONTH=10", "END:STANDARD", "END:VTIMEZONE",
        "BEGIN:VEVENT", "CREATED:20260301T101010Z", "LAST-MODIFIED:20260301T101010Z", "DTSTAMP:20260301T101010Z",
        "UID:5e1c4c1a-0b7e-4d61-9d0b-1f0a6ce2e001", "SUMMARY:Dentist", "DTSTART;TZID=Europe/London:20260312T093000",
        "DTEND;TZID=Europe/London:20260312T103000", "DESCRIPTION:Bring the card", "X-MOZ-GENERATION:2",
        "BEGIN:VALARM", "ACTION:DISPLAY", "TRIGGER;VALUE=DURATION:-PT15M", "DESCRIPTION:Default Mozilla Description",
        "END:VALARM",
        "BEGIN:VALARM", "ACTION:DISPLAY", "TRIGGER;VALUE=DURATION:-PT5M", "DESCRIPTION:Default Mozilla Description",
        "END:VALARM", "END:VEVENT",
        "BEGIN:VEVENT", "DTSTAMP:20260310T013000Z", "UID:5e1c4c1a-0b7e-4d61-9d0b-1f0a6ce2e002", "SUMMARY:Team call",
        "DTSTART;TZID=Europe/London:20260310T040000", "DTEND;TZID=Europe/London:20260310T043000",
        "X-MOZ-LASTACK:20260310T032900Z", "X-MOZ-SNOOZE-TIME:20260310T033500Z", "X-MOZ-GENERATION:4",
        "BEGIN:VALARM", "ACTION:DISPLAY", "TRIGGER;VALUE=DURATION:-PT30M", "DESCRIPTION:Default Mozilla Description",
        "END:VALARM", "END:VEVENT",
        "BEGIN:VEVENT", "DTSTAMP:20260220T090000Z", "UID:5e1c4c1a-0b7e-4d61-9d0b-1f0a6ce2e003", "SUMMARY:Plumber",
        "DTSTART;TZID=Europe/London:20260301T100000", "DTEND;TZID=Europe/London:20260301T110000", "END:VEVENT",
        "BEGIN:VEVENT", "DTSTAMP:20260305T090000Z", "UID:5e1c4c1a-0b7e-4d61-9d0b-1f0a6ce2e004",
        "SUMMARY:Passport office", "DESCRIPTION:Take the old passport",
        "DTSTART;TZID=Europe/London:20260401T090000", "DTEND;TZID=Europe/London:20260401T100000",
        "BEGIN:VALARM", "ACTION:DISPLAY", "TRIGGER;VALUE=DURATION:-P1D", "DESCRIPTION:Default Mozilla Description",
        "END:VALARM",
        "BEGIN:VALARM", "ACTION:AUDIO", "TRIGGER;VALUE=DURATION:-PT10M", "ATTACH;VALUE=URI:" + soundUrl,
        "END:VALARM", "END:VEVENT", "END:VCALENDAR",
    });
}

// A web calendar's export: UTC starts, triggers in full, an e-mail alarm
// and a weekly event with a cancelled week.
inline QByteArray webCalendar()
{
    return lines({
        "BEGIN:VCALENDAR", "PRODID:-//Google Inc//Google Calendar 70.9054//EN", "VERSION:2.0",
        "CALSCALE:GREGORIAN", "METHOD:PUBLISH", "X-WR-CALNAME:Work", "X-WR-TIMEZONE:Asia/Dhaka",
        "BEGIN:VEVENT", "DTSTART:20260311T030000Z", "DTEND:20260311T031500Z", "DTSTAMP:20260309T120000Z",
        "UID:0v1k2l3m4n5o6p7q8r9s@google.com", "CREATED:20260301T080000Z", "DESCRIPTION:Daily sync",
        "LAST-MODIFIED:20260301T080000Z", "LOCATION:", "SEQUENCE:0", "STATUS:CONFIRMED", "SUMMARY:Standup",
        "TRANSP:OPAQUE",
        "BEGIN:VALARM", "ACTION:DISPLAY", "DESCRIPTION:This is an event reminder", "TRIGGER:-P0DT0H10M0S",
        "END:VALARM",
        "BEGIN:VALARM", "ACTION:EMAIL", "DESCRIPTION:This is an event reminder", "SUMMARY:Alarm notification",
        "ATTENDEE:mailto:someone@example.com", "TRIGGER:-P0DT0H30M0S", "END:VALARM", "END:VEVENT",
        "BEGIN:VEVENT", "DTSTART:20260302T120000Z", "DTEND:20260302T130000Z", "RRULE:FREQ=WEEKLY;BYDAY=MO",
        "EXDATE:20260316T120000Z", "DTSTAMP:20260309T120000Z", "UID:9z8y7x6w5v@google.com", "SUMMARY:Gym",
        "BEGIN:VALARM", "ACTION:DISPLAY", "DESCRIPTION:This is an event reminder", "TRIGGER:-P0DT0H10M0S",
        "END:VALARM", "END:VEVENT", "END:VCALENDAR",
    });
}

// A mail server's published calendar: Windows zone names without their
// VTIMEZONE, all-day events (one weekly) and no alarms.
inline QByteArray mailServer()
{
    return lines({
        "BEGIN:VCALENDAR", "METHOD:PUBLISH", "PRODID:Microsoft Exchange Server 2010", "VERSION:2.0",
        "X-WR-CALNAME:Calendar",
        "BEGIN:VEVENT", "DESCRIPTION:\\n", "RRULE:FREQ=WEEKLY;UNTIL=20261228;INTERVAL=1;BYDAY=MO;WKST=SU",
        "UID:040000008200E00074C5B7101A82E00800000000A1B2C3D4", "SUMMARY:Bin day",
        "DTSTART;VALUE=DATE:20260302", "DTEND;VALUE=DATE:20260303", "CLASS:PUBLIC", "PRIORITY:5",
        "DTSTAMP:20260309T120000Z", "TRANSP:TRANSPARENT", "STATUS:CONFIRMED", "SEQUENCE:0",
        "X-MICROSOFT-CDO-BUSYSTATUS:FREE", "X-MICROSOFT-CDO-ALLDAYEVENT:TRUE", "END:VEVENT",
        "BEGIN:VEVENT", "DESCRIPTION:\\n", "UID:040000008200E00074C5B7101A82E00800000000A1B2C3D5",
        "SUMMARY:Bank holiday", "DTSTART;VALUE=DATE:20260310", "DTEND;VALUE=DATE:20260311",
        "DTSTAMP:20260309T120000Z", "X-MICROSOFT-CDO-ALLDAYEVENT:TRUE", "END:VEVENT",
        "BEGIN:VEVENT", "DESCRIPTION:Agenda attached\\n", "UID:040000008200E00074C5B7101A82E00800000000A1B2C3D6",
        "SUMMARY:Quarterly review", "DTSTART;TZID=GMT Standard Time:20260313T140000",
        "DTEND;TZID=GMT Standard Time:20260313T150000", "DTSTAMP:20260309T120000Z", "END:VEVENT",
        "END:VCALENDAR",
    });
}

// A zone of the file's own making, an alarm counted from the end, an
// acknowledged alarm, a zone nobody knows and an entry without a start.
inline QByteArray ownZone()
{
    return lines({
        "BEGIN:VCALENDAR", "VERSION:2.0", "PRODID:-//Apple Inc.//macOS 14.3//EN", "CALSCALE:GREGORIAN",
        "BEGIN:VTIMEZONE", "TZID:Office Time",
        "BEGIN:STANDARD", "DTSTART:16010101T000000", "TZOFFSETFROM:+0530", "TZOFFSETTO:+0530", "END:STANDARD",
        "END:VTIMEZONE",
        "BEGIN:VEVENT", "UID:A1", "DTSTAMP:20260309T120000Z", "SUMMARY:Site visit",
        "DTSTART;TZID=Office Time:20260312T100000", "DTEND;TZID=Office Time:20260312T110000",
        "BEGIN:VALARM", "ACTION:DISPLAY", "DESCRIPTION:Reminder", "TRIGGER;RELATED=END:-PT75M", "END:VALARM",
        "END:VEVENT",
        "BEGIN:VEVENT", "UID:A2", "DTSTAMP:20260309T120000Z", "SUMMARY:Lunch",
        "DTSTART;TZID=Office Time:20260310T113000",
        "BEGIN:VALARM", "ACTION:DISPLAY", "DESCRIPTION:Reminder", "TRIGGER:-PT1H",
        "ACKNOWLEDGED:20260310T054000Z", "X-WR-ALARMUID:B2", "END:VALARM", "END:VEVENT",
        "BEGIN:VEVENT", "UID:A3", "DTSTAMP:20260309T120000Z", "SUMMARY:Call Tokyo",
        "DTSTART;TZID=Somewhere/Else:20260314T070000", "END:VEVENT",
        "BEGIN:VEVENT", "UID:A4", "DTSTAMP:20260309T120000Z", "SUMMARY:Someday", "END:VEVENT",
        "END:VCALENDAR",
    });
}

// A phone's calendar in other scripts, floating times, a summary too long for a title.
inline QByteArray otherScripts()
{
    return lines({
        "BEGIN:VCALENDAR", "VERSION:2.0", "PRODID:-//Sample Phone//Calendar 5.1//EN",
        "BEGIN:VEVENT", "UID:n1", "DTSTAMP:20260309T120000Z", "SUMMARY:বৈঠক: পরিকল্পনা",
        "DESCRIPTION:সভাকক্ষ ৩\\, দুপুরে — Zürich 😀", "DTSTART:20260315T183000",
        "BEGIN:VALARM", "ACTION:DISPLAY", "DESCRIPTION:বৈঠক", "TRIGGER:-PT20M", "END:VALARM", "END:VEVENT",
        "BEGIN:VEVENT", "UID:n2", "DTSTAMP:20260309T120000Z",
        "SUMMARY:Γενέθλια της γιαγιάς στο χωριό — φέρτε γλυκά και 🎂 λουλούδια",
        "DESCRIPTION:Στις έξι", "DTSTART:20260320T180000", "END:VEVENT",
        "END:VCALENDAR",
    });
}

} // namespace CalendarFixtures
