#include "prayer/daycalendar.h"
#include "prayer/prayertimetext.h"
#include "support/scopedtimezone.h"
#include "support/virtualtimesource.h"

#include <QTest>

class TestDayCalendar : public QObject
{
    Q_OBJECT

private slots:
    void dayNumber_data()
    {
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("day");
        QTest::addColumn<int>("dayNumber");

        QTest::newRow("30 April") << 2026 << 4 << 30 << 120;
        QTest::newRow("29 February, leap year") << 2028 << 2 << 29 << 60;
        QTest::newRow("29 February, 1900") << 1900 << 2 << 29 << 0;
        QTest::newRow("29 February, 2000") << 2000 << 2 << 29 << 60;
        QTest::newRow("31 December, leap year") << 2028 << 12 << 31 << 366;
        QTest::newRow("31 April") << 2026 << 4 << 31 << 0;
        QTest::newRow("day 0") << 2026 << 5 << 0 << 0;
        QTest::newRow("month 13") << 2026 << 13 << 1 << 0;
    }

    void dayNumber()
    {
        QFETCH(int, year);
        QFETCH(int, month);
        QFETCH(int, day);
        QFETCH(int, dayNumber);
        QCOMPARE(DayCalendar(year).dayNumber(month, day), dayNumber);
    }

    void yearFromTheTimeSource()
    {
        // Half past midnight on New Year's Day in Dhaka is still the old year in UTC.
        ScopedTimeZone zone("Asia/Dhaka");
        VirtualTimeSource time(VirtualTimeSource::fromLocal(2028, 1, 1, 0, 30, 0));
        QCOMPARE(DayCalendar::currentYear(time).year(), 2028);
        time.advance(-3600);
        QCOMPARE(DayCalendar::currentYear(time).year(), 2027);
    }

    void prayerTimeText_data()
    {
        QTest::addColumn<int>("minutes");
        QTest::addColumn<QString>("text");

        QTest::newRow("midnight") << 0 << "00:00 AM";
        QTest::newRow("last minute") << 1439 << "11:59 PM";
        QTest::newRow("1440") << 1440 << "00:00 AM";
        QTest::newRow("above a day") << 1441 << "00:00 AM";
        QTest::newRow("below zero") << -5 << "00:00 AM";
    }

    void prayerTimeText()
    {
        QFETCH(int, minutes);
        QFETCH(QString, text);
        QCOMPARE(formatPrayerTime(minutes), text);
        // What the dialog shows must read back as what it stands for.
        QCOMPARE(parseTimeOfDay(text), minutes >= 0 && minutes < 1440 ? minutes : 0);
    }
};

QTEST_APPLESS_MAIN(TestDayCalendar)
#include "tst_daycalendar.moc"
