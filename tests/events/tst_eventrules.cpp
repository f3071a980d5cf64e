#include "events/eventrules.h"
#include "events/eventtext.h"

#include <QTest>

namespace {

const QDate kDay(2026, 12, 6);
const QDate kEve = kDay.addDays(-1);
const QDate kNext = kDay.addDays(1);

int at(int hour, int minute)
{
    return hour * 60 + minute;
}

// An event on day at time; its next reminder on remindDay at remindAt.
EventRow dated(const QDate &day, int time, const QDate &remindDay, int remindAt, int interval = 5)
{
    EventRow row;
    row.date = day;
    row.time = time;
    row.reminder = {remindDay, remindAt};
    row.interval = interval;
    return row;
}

} // namespace

class TestEventRules : public QObject
{
    Q_OBJECT

private slots:
    void reminderArithmetic_data()
    {
        QTest::addColumn<QString>("step"); // first: a = lead; advance: a = interval; snooze: a, b, c = I, S, E
        QTest::addColumn<ReminderTime>("from");
        QTest::addColumn<QList<int>>("args");
        QTest::addColumn<ReminderTime>("expected");
        QTest::newRow("first, lead 15") << "first" << ReminderTime{kDay, at(10, 0)} << QList{15}
                                        << ReminderTime{kDay, at(9, 45)};
        QTest::newRow("first, lead 0") << "first" << ReminderTime{kDay, at(10, 0)} << QList{0}
                                       << ReminderTime{kDay, at(10, 0)};
        QTest::newRow("first on the evening before") << "first" << ReminderTime{kDay, 10} << QList{15}
                                                     << ReminderTime{kEve, 1435};
        QTest::newRow("advance") << "advance" << ReminderTime{kDay, at(9, 45)} << QList{5}
                                 << ReminderTime{kDay, at(9, 50)};
        QTest::newRow("advance, interval 0") << "advance" << ReminderTime{kDay, at(9, 45)} << QList{0}
                                             << ReminderTime{kDay, at(9, 45)};
        QTest::newRow("advance to 1440 stays") << "advance" << ReminderTime{kDay, 1435} << QList{5}
                                               << ReminderTime{kDay, 1440};
        QTest::newRow("advance past midnight") << "advance" << ReminderTime{kDay, 1438} << QList{5}
                                               << ReminderTime{kNext, 3};
        // 09:45 shown, advanced to 09:50; open for 3 minutes, OK with 10: 09:45 + 10 + 3.
        QTest::newRow("snooze") << "snooze" << ReminderTime{kDay, at(9, 50)} << QList{5, 10, 3}
                                << ReminderTime{kDay, at(9, 58)};
        QTest::newRow("snooze 15 at 23:50") << "snooze" << ReminderTime{kDay, at(23, 55)} << QList{5, 15, 0}
                                            << ReminderTime{kNext, 5};
        QTest::newRow("snooze 0 back over midnight") << "snooze" << ReminderTime{kNext, 3} << QList{5, 0, 0}
                                                     << ReminderTime{kDay, 1438};
        QTest::newRow("snooze after a whole day open") << "snooze" << ReminderTime{kDay, at(9, 50)}
                                                       << QList{5, 5, 1440} << ReminderTime{kNext, at(9, 50)};
    }

    void reminderArithmetic()
    {
        QFETCH(QString, step);
        QFETCH(ReminderTime, from);
        QFETCH(QList<int>, args);
        QFETCH(ReminderTime, expected);
        ReminderTime result;
        if (step == "first")
            result = firstReminder(from.date, from.minutes, args[0]);
        else if (step == "advance")
            result = advanceReminder(from, args[0]);
        else
            result = snoozeReminder(from, args[0], args[1], args[2]);
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
        QTest::newRow("at the event time") << dated(kDay, at(10, 0), kDay, at(10, 0)) << kDay << at(10, 0) << true;
        QTest::newRow("a minute after the event") << dated(kDay, at(10, 0), kDay, at(10, 5)) << kDay << at(10, 1)
                                                  << false;
        QTest::newRow("reminder day still to come") << ten << kEve << at(9, 45) << false;
        // Stored the evening before an event at 00:10 with lead 15.
        const EventRow early = dated(kDay, 10, kEve, 1435);
        QTest::newRow("evening before, not yet") << early << kEve << 1434 << false;
        QTest::newRow("evening before, at 23:55") << early << kEve << 1435 << true;
        QTest::newRow("event day, whatever the interval") << early << kDay << 5 << true;
        QTest::newRow("event day, after the event") << early << kDay << 11 << false;
        // Advanced past midnight from 23:58 (lead 5, interval 5): finished, not due all next day.
        const EventRow late = dated(kDay, 1438, kNext, 3);
        QTest::newRow("passed event, reminder moved on") << late << kNext << at(10, 0) << false;
        QTest::newRow("passed event, reminder day") << late << kNext << 3 << false;
        QTest::newRow("reminder of 1440 waits") << dated(kDay, 1439, kDay, 1440) << kDay << 1439 << false;
    }

    void dueRule()
    {
        QFETCH(EventRow, row);
        QFETCH(QDate, today);
        QFETCH(int, now);
        QFETCH(bool, due);
        QCOMPARE(isReminderDue(row, today, now), due);
    }

    void texts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("schedule on a Sunday") << scheduleLine(QDate(2002, 3, 3), at(14, 5))
                                              << "Scheduled at 14:05:00 on Sun, 3 Mar, 2002";
        QTest::newRow("schedule in December") << scheduleLine(QDate(2026, 12, 31), 0)
                                              << "Scheduled at 00:00:00 on Thu, 31 Dec, 2026";
        QTest::newRow("recorded time") << recorderTimeText(83456) << "00:01:23.456";
        QTest::newRow("ninety minutes") << recorderTimeText(90 * 60000) << "01:30:00.000";
        QTest::newRow("list item after noon") << eventListText(at(13, 0), "Tea") << "01:00 PM :: Tea";
        QTest::newRow("no reminder date") << reminderDateText(QDate()) << "00/00/0000";
        QTest::newRow("reminder date") << reminderDateText(QDate(2002, 3, 5)) << "05/03/2002";
    }

    void texts()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(text, expected);
    }
};

QTEST_GUILESS_MAIN(TestEventRules)
#include "tst_eventrules.moc"
