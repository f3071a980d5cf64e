#include "prayer/daycalendar.h"
#include "prayer/prayerbatchplan.h"

#include <QTest>

Q_DECLARE_METATYPE(std::optional<BatchPeriod>)

class TestPrayerBatchPlan : public QObject
{
    Q_OBJECT

private slots:
    void period_data()
    {
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("fromDay");
        QTest::addColumn<int>("fromMonth");
        QTest::addColumn<int>("toDay");
        QTest::addColumn<int>("toMonth");
        QTest::addColumn<std::optional<BatchPeriod>>("period");

        const std::optional<BatchPeriod> invalid;
        QTest::newRow("29/2, common year") << 2026 << 29 << 2 << 29 << 2 << invalid;
        QTest::newRow("30/2, leap year") << 2028 << 30 << 2 << 0 << 0 << invalid;
        QTest::newRow("wraps past December") << 2026 << 1 << 12 << 31 << 1 << std::optional(BatchPeriod{335, 335});
        QTest::newRow("to left at 0/0") << 2026 << 5 << 6 << 0 << 0 << std::optional(BatchPeriod{156, 156});
        QTest::newRow("from day 0 of March") << 2026 << 0 << 3 << 2 << 3 << std::optional(BatchPeriod{59, 61});
        QTest::newRow("from 0/0") << 2026 << 0 << 0 << 5 << 1 << invalid;
        QTest::newRow("to beyond April") << 2026 << 1 << 4 << 31 << 4 << invalid;
    }

    void period()
    {
        QFETCH(int, year);
        QFETCH(int, fromDay);
        QFETCH(int, fromMonth);
        QFETCH(int, toDay);
        QFETCH(int, toMonth);
        QFETCH(std::optional<BatchPeriod>, period);
        QCOMPARE(batchPeriodOf(DayCalendar(year), fromDay, fromMonth, toDay, toMonth), period);
    }

    void days_data()
    {
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("last");
        QTest::addColumn<int>("start");
        QTest::addColumn<BatchMode>("mode");
        QTest::addColumn<int>("step");
        QTest::addColumn<QList<int>>("minutes");

        QTest::newRow("descending below zero") << 1 << 3 << 5 << BatchMode::Descending << 10
                                               << QList<int>{5, -5, -15};
        QTest::newRow("fixed ignores the step") << 100 << 102 << 300 << BatchMode::Fixed << 7
                                                << QList<int>{300, 300, 300};
    }

    void days()
    {
        QFETCH(int, first);
        QFETCH(int, last);
        QFETCH(int, start);
        QFETCH(BatchMode, mode);
        QFETCH(int, step);
        QFETCH(QList<int>, minutes);

        const QList<BatchDay> days = batchDays({first, last}, start, mode, step);
        QCOMPARE(days.size(), minutes.size());
        for (int i = 0; i < days.size(); ++i) {
            QCOMPARE(days[i].dayNumber, first + i);
            QCOMPARE(days[i].minutes, minutes[i]);
        }
    }
};

QTEST_APPLESS_MAIN(TestPrayerBatchPlan)
#include "tst_prayerbatchplan.moc"
