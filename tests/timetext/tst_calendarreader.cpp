#include "support/scopedtimezone.h"
#include "timetext/calendarreader.h"

#include <QTest>

namespace {

QByteArray calendarWith(const QByteArray &event)
{
    return "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//x//y//EN\r\nBEGIN:VEVENT\r\nUID:1\r\nSUMMARY:Dentist\r\n"
           + event + "\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n";
}

CalendarEntry readOne(const QByteArray &event)
{
    const CalendarReading reading = readCalendar(calendarWith(event), {QDate(2026, 7, 1), 0, 9 * 60});
    if (!reading.error.isEmpty() || reading.entries.size() != 1)
        qFatal("not read: %s", qPrintable(reading.error));
    return reading.entries.first();
}

} // namespace

// What the fixtures of tst_eventcalendar leave out. The clock in Dhaka
// (UTC+6); the events in July, when New York is at UTC-4.
class TestCalendarReader : public QObject
{
    Q_OBJECT

private slots:
    void starts_data()
    {
        QTest::addColumn<QByteArray>("start");
        QTest::addColumn<QString>("local"); // on the clock
        QTest::addColumn<bool>("zoneUnknown");
        QTest::newRow("zone name") << QByteArray("DTSTART;TZID=America/New_York:20260710T090000") << "2026-07-10 19:00" << false;
        QTest::newRow("behind a prefix") << QByteArray("DTSTART;TZID=/mozilla.org/20070129_1/America/New_York:20260710T090000")
                                         << "2026-07-10 19:00" << false;
        QTest::newRow("libical's own") << QByteArray("DTSTART;TZID=/freeassociation.sourceforge.net/America/New_York:20260710T090000")
                                       << "2026-07-10 19:00" << false;
        QTest::newRow("UTC") << QByteArray("DTSTART:20260710T220000Z") << "2026-07-11 04:00" << false;
        QTest::newRow("unknown zone") << QByteArray("DTSTART;TZID=Mars/Olympus:20260710T090000") << "2026-07-10 09:00" << true;
        QTest::newRow("weekly, next one") << QByteArray("DTSTART:20260601T090000\r\nRRULE:FREQ=WEEKLY;COUNT=10")
                                          << "2026-07-06 09:00" << false;
        QTest::newRow("weekly, ended") << QByteArray("DTSTART:20260601T090000\r\nRRULE:FREQ=WEEKLY;COUNT=2")
                                       << "2026-06-01 09:00" << false;
    }

    void starts()
    {
        QFETCH(QByteArray, start);
        QFETCH(QString, local);
        QFETCH(bool, zoneUnknown);
        const CalendarEntry entry = readOne(start);
        QVERIFY(entry.hasStart);
        QCOMPARE(entry.date.toString(Qt::ISODate) + QString::asprintf(" %02d:%02d", entry.minutes / 60, entry.minutes % 60),
                 local);
        QCOMPARE(entry.zoneUnknown, zoneUnknown);
    }

    void triggers_data()
    {
        QTest::addColumn<QByteArray>("trigger");
        QTest::addColumn<int>("offset"); // seconds from the start
        QTest::newRow("a day") << QByteArray("TRIGGER:-P1D") << -86400;
        QTest::newRow("from the end") << QByteArray("TRIGGER;RELATED=END:-PT75M") << -900;
        QTest::newRow("at a moment") << QByteArray("TRIGGER;VALUE=DATE-TIME:20260710T024500Z") << -900;
        QTest::newRow("after the start") << QByteArray("TRIGGER:PT5M") << 300;
    }

    void triggers()
    {
        QFETCH(QByteArray, trigger);
        QFETCH(int, offset);
        const CalendarEntry entry = readOne("DTSTART:20260710T090000\r\nDTEND:20260710T100000\r\n"
                                            "BEGIN:VALARM\r\nACTION:DISPLAY\r\nDESCRIPTION:x\r\n"
                                            + trigger + "\r\nEND:VALARM");
        QCOMPARE(entry.alarms.size(), 1);
        QCOMPARE(entry.alarms[0].offset, offset);
    }

private:
    const ScopedTimeZone m_zone{"Asia/Dhaka"};
};

QTEST_GUILESS_MAIN(TestCalendarReader)
#include "tst_calendarreader.moc"
