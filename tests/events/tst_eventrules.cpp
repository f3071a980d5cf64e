#include "events/eventrules.h"
#include "events/eventtext.h"

#include <QTest>

namespace {

const QDate kDay(2026, 12, 6);
const QDate kEve = kDay.addDays(-1);
const QDate kNext = kDay.addDays(1);

constexpr int at(int hour, int minute)
{
    return hour * 60 + minute;
}

// An event on day at time, its next reminder on remindDay at remindAt.
EventRow dated(const QDate &day, int time, const QDate &remindDay, int remindAt)
{
    return {day, time, {}, {}, " ", {remindDay, remindAt}, 5, 0};
}

LocalTime answeredAt(const QDate &day, int minutes, int second = 0)
{
    return LocalTime::fromWallSecond(day.toJulianDay() * 86400 + minutes * 60 + second);
}

} // namespace

class TestEventRules : public QObject
{
    Q_OBJECT

private slots:
    void reminderArithmetic_data()
    {
        QTest::addColumn<ReminderTime>("result");
        QTest::addColumn<ReminderTime>("expected");
        QTest::newRow("lead 15") << firstReminder(kDay, at(10, 0), 15) << ReminderTime{kDay, at(9, 45)};
        QTest::newRow("lead 0") << firstReminder(kDay, at(10, 0), 0) << ReminderTime{kDay, at(10, 0)};
        QTest::newRow("first the evening before") << firstReminder(kDay, 10, 15) << ReminderTime{kEve, 1435};
        QTest::newRow("advance") << advanceReminder({kDay, at(9, 45)}, 5) << ReminderTime{kDay, at(9, 50)};
        QTest::newRow("interval 0") << advanceReminder({kDay, at(9, 45)}, 0) << ReminderTime{kDay, at(9, 45)};
        QTest::newRow("advance to 1440 stays") << advanceReminder({kDay, 1435}, 5) << ReminderTime{kDay, 1440};
        QTest::newRow("advance past midnight") << advanceReminder({kDay, 1438}, 5) << ReminderTime{kNext, 3};
        // Shown at 09:45, answered 3 minutes later with 10: 09:48 + 10.
        QTest::newRow("snooze") << snoozeReminder(answeredAt(kDay, at(9, 48), 40), 10) << ReminderTime{kDay, at(9, 58)};
        QTest::newRow("snooze 15 at 23:50") << snoozeReminder(answeredAt(kDay, 1430), 15) << ReminderTime{kNext, 5};
        QTest::newRow("snooze to midnight is the next day's") << snoozeReminder(answeredAt(kDay, 1435), 5)
                                                               << ReminderTime{kNext, 0};
        // A pop-up shown at 23:48 and answered eleven minutes later, after midnight.
        QTest::newRow("late answer counts from itself") << snoozeReminder(answeredAt(kNext, 0), 3)
                                                         << ReminderTime{kNext, 3};
    }

    void reminderArithmetic()
    {
        QFETCH(ReminderTime, result);
        QFETCH(ReminderTime, expected);
        QCOMPARE(result.date, expected.date);
        QCOMPARE(result.minutes, expected.minutes);
    }

    void dueRule_data()
    {
        QTest::addColumn<EventRow>("row");
        QTest::addColumn<QDate>("today");
        QTest::addColumn<int>("now");
        QTest::addColumn<bool>("due");
        const EventRow ten = dated(kDay, at(10, 0), kDay, at(9, 45));
        QTest::newRow("before the reminder") << ten << kDay << at(9, 44) << false;
        QTest::newRow("at the reminder") << ten << kDay << at(9, 45) << true;
        QTest::newRow("reminder missed, event to come") << ten << kDay << at(9, 59) << true;
        QTest::newRow("reminder day to come") << ten << kEve << at(9, 45) << false;
        QTest::newRow("at the event") << dated(kDay, at(10, 0), kDay, at(10, 0)) << kDay << at(10, 0) << true;
        QTest::newRow("after the event") << dated(kDay, at(10, 0), kDay, at(10, 5)) << kDay << at(10, 1) << false;
        // Stored the evening before an event at 00:10 with lead 15.
        const EventRow early = dated(kDay, 10, kEve, 1435);
        QTest::newRow("evening before, not yet") << early << kEve << 1434 << false;
        QTest::newRow("evening before, 23:55") << early << kEve << 1435 << true;
        QTest::newRow("event day, any interval") << early << kDay << 5 << true;
        QTest::newRow("event day, after the event") << early << kDay << 11 << false;
        // Advanced past midnight from 23:58: the event has passed, so not due the next day.
        const EventRow late = dated(kDay, 1438, kNext, 3);
        QTest::newRow("passed, reminder moved on") << late << kNext << at(10, 0) << false;
        QTest::newRow("passed, at the reminder") << late << kNext << 3 << false;
        QTest::newRow("1440 waits") << dated(kDay, 1439, kDay, 1440) << kDay << 1439 << false;
    }

    void dueRule()
    {
        QFETCH(EventRow, row);
        QFETCH(QDate, today);
        QFETCH(int, now);
        QFETCH(bool, due);
        QCOMPARE(isReminderDue(row, today, now), due);
    }

    void missedReminders_data()
    {
        QTest::addColumn<EventRow>("row");
        QTest::addColumn<bool>("missed");
        QTest::addColumn<ReminderTime>("cameDue");
        // The minutes 09:00..09:30 were never checked.
        QTest::newRow("reminded and passed meanwhile") << dated(kDay, at(9, 20), kDay, at(9, 5)) << true
                                                       << ReminderTime{kDay, at(9, 5)};
        QTest::newRow("reminded before, passed meanwhile") << dated(kDay, at(9, 20), kDay, at(8, 50)) << true
                                                           << ReminderTime{kDay, at(9, 0)};
        QTest::newRow("still to come: it is reminded late") << dated(kDay, at(9, 40), kDay, at(9, 5)) << false
                                                             << ReminderTime{};
        QTest::newRow("passed before the gap") << dated(kDay, at(8, 55), kDay, at(8, 50)) << false << ReminderTime{};
        QTest::newRow("reminder after the event") << dated(kDay, at(9, 10), kDay, at(9, 15)) << false
                                                   << ReminderTime{};
    }

    void missedReminders()
    {
        QFETCH(EventRow, row);
        QFETCH(bool, missed);
        QFETCH(ReminderTime, cameDue);
        const auto due = missedReminder(row, {kDay, at(9, 0)}, {kDay, at(9, 30)});
        QCOMPARE(due.has_value(), missed);
        if (missed)
            QCOMPARE(*due, cameDue);
    }

    void texts()
    {
        QCOMPARE(scheduleLine(QDate(2002, 3, 3), at(14, 5)), QString("Scheduled at 14:05:00 on Sun, 3 Mar, 2002"));
        QCOMPARE(recorderTimeText(83456), QString("00:01:23.456"));
        QCOMPARE(recorderTimeText(90 * 60000), QString("01:30:00.000"));
    }
};

QTEST_GUILESS_MAIN(TestEventRules)
#include "tst_eventrules.moc"
