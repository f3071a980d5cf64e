#include "prayer/daycalendar.h"
#include "prayer/prayerbatchplan.h"
#include "prayer/prayertimetext.h"
#include "support/scopedtimezone.h"
#include "support/virtualtimesource.h"

#include <QTest>

// Day numbers of the prayer table, the days a batch covers, and the time text the dialogs show.
class TestDayCalendar : public QObject
{
    Q_OBJECT

private slots:
    void dayNumber_data()
    {
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("day");
        QTest::addColumn<int>("dayNumber"); // 0: no such day
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

    void batchPeriod_data()
    {
        QTest::addColumn<int>("year");
        QTest::addColumn<QList<int>>("typed"); // from day and month, to day and month
        QTest::addColumn<std::optional<BatchPeriod>>("period");
        const std::optional<BatchPeriod> refused;
        QTest::newRow("29/2, common year") << 2026 << QList{29, 2, 29, 2} << refused;
        QTest::newRow("30/2, leap year") << 2028 << QList{30, 2, 0, 0} << refused;
        QTest::newRow("across the new year") << 2026 << QList{1, 12, 31, 1} << std::optional(BatchPeriod{335, 31});
        QTest::newRow("to left at 0/0") << 2026 << QList{5, 6, 0, 0} << std::optional(BatchPeriod{156, 156});
        QTest::newRow("from day 0 of March") << 2026 << QList{0, 3, 2, 3} << std::optional(BatchPeriod{59, 61});
        QTest::newRow("from 0/0") << 2026 << QList{0, 0, 5, 1} << refused;
        QTest::newRow("to beyond April") << 2026 << QList{1, 4, 31, 4} << refused;
    }

    void batchPeriod()
    {
        QFETCH(int, year);
        QFETCH(QList<int>, typed);
        QFETCH(std::optional<BatchPeriod>, period);
        QCOMPARE(batchPeriodOf(DayCalendar(year), typed[0], typed[1], typed[2], typed[3]), period);
    }

    void batchDays_data()
    {
        QTest::addColumn<BatchPeriod>("period");
        QTest::addColumn<int>("start");
        QTest::addColumn<BatchMode>("mode");
        QTest::addColumn<QList<BatchDay>>("days"); // by 10 minutes a day
        QTest::addColumn<int>("outside");          // the first day leaving the day, 0 for none
        QTest::newRow("descending below zero") << BatchPeriod{100, 102} << 5 << BatchMode::Descending
                                               << QList<BatchDay>{{100, 5}, {101, -5}, {102, -15}} << 101;
        QTest::newRow("ascending past 23:59") << BatchPeriod{100, 101} << 1435 << BatchMode::Ascending
                                              << QList<BatchDay>{{100, 1435}, {101, 1445}} << 101;
        QTest::newRow("fixed ignores the step")
            << BatchPeriod{100, 102} << 5 << BatchMode::Fixed << QList<BatchDay>{{100, 5}, {101, 5}, {102, 5}} << 0;
        QTest::newRow("across the new year") << BatchPeriod{364, 2} << 5 << BatchMode::Ascending
                                             << QList<BatchDay>{{364, 5}, {365, 15}, {1, 25}, {2, 35}} << 0;
    }

    void batchDays()
    {
        QFETCH(BatchPeriod, period);
        QFETCH(int, start);
        QFETCH(BatchMode, mode);
        QFETCH(QList<BatchDay>, days);
        QFETCH(int, outside);
        const QList<BatchDay> planned = ::batchDays(period, start, mode, 10, 365);
        QCOMPARE(planned, days);
        QCOMPARE(firstOutsideTheDay(planned).value_or(BatchDay{}).dayNumber, outside);
    }

    void prayerTimeText_data()
    {
        QTest::addColumn<int>("minutes");
        QTest::addColumn<QString>("text");
        QTest::newRow("midnight") << 0 << "00:00 AM";
        QTest::newRow("noon hour") << 750 << "12:30 PM";
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
        // What the dialogs show must read back as what it stands for.
        QCOMPARE(parseTimeOfDay(text), minutes >= 0 && minutes < 1440 ? minutes : 0);
    }
};

QTEST_APPLESS_MAIN(TestDayCalendar)
#include "tst_daycalendar.moc"
