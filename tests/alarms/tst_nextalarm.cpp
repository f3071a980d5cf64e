#include "alarms/nextalarm.h"
#include "support/scopedtimezone.h"
#include "support/virtualtimesource.h"

#include <QTest>

namespace {

// Slot 1: 07:00 on weekdays, "Work"; slot 2: 06:00 on Sundays, unnamed; slot 3: 1440, never.
AlarmSlots household()
{
    AlarmSlots alarms;
    alarms[0] = {"Alarm1", "/m/a.wav", 7 * 60, 0x1f, false, "Work"};
    alarms[1] = {"Alarm2", "/m/b.wav", 6 * 60, 0x40, false, {}};
    alarms[2] = {"Alarm3", "/m/c.wav", 1440, kEveryDay, false, "Never"};
    return alarms;
}

LocalTime localAt(int day, int hour, int minute, int second) // in December 2026
{
    return TimeSource::toLocal(VirtualTimeSource::fromLocal(2026, 12, day, hour, minute, second));
}

} // namespace

class TestNextAlarm : public QObject
{
    Q_OBJECT

private slots:
    void nextAlarm_data()
    {
        QTest::addColumn<int>("day"); // 5 December 2026 is a Saturday
        QTest::addColumn<QString>("time");
        QTest::addColumn<QString>("line");
        QTest::newRow("Saturday: Sunday's") << 5 << "08:00:00" << "Next alarm: Sun 06:00 AM";
        QTest::newRow("Sunday after it: Monday's") << 6 << "06:00:01" << "Next alarm: Mon 07:00 AM — Work";
        QTest::newRow("a second before") << 7 << "06:59:59" << "Next alarm: Mon 07:00 AM — Work";
        QTest::newRow("while it rings: tomorrow's") << 7 << "07:00:00" << "Next alarm: Tue 07:00 AM — Work";
        QTest::newRow("Friday night") << 11 << "23:59:59" << "Next alarm: Sun 06:00 AM";
    }

    void nextAlarm()
    {
        QFETCH(int, day);
        QFETCH(QString, time);
        QFETCH(QString, line);
        const QTime t = QTime::fromString(time, "hh:mm:ss");
        QCOMPARE(nextAlarmLine(household(), localAt(day, t.hour(), t.minute(), t.second())), line);
    }

    // Sunday's alarm a week on when today's has passed; nothing set, no line.
    void weekAheadAndNone()
    {
        AlarmSlots alarms = household();
        alarms[0] = {};
        QCOMPARE(nextAlarmLine(alarms, localAt(6, 7, 0, 0)), QString("Next alarm: Sun 06:00 AM"));
        alarms[1] = {};
        QCOMPARE(nextAlarmLine(alarms, localAt(6, 7, 0, 0)), QString());
    }

    // The tip: the next alarm, then the snoozed ones, soonest first.
    void tipLines()
    {
        const AlarmSlots alarms = household();
        const qint64 now = VirtualTimeSource::fromLocal(2026, 12, 7, 7, 1, 0);
        const std::vector<SnoozedAlarm> snoozed{{1, alarms[1], now + 600}, {0, alarms[0], now + 240}};
        QCOMPARE(alarmTipLines(alarms, snoozed, TimeSource::toLocal(now)),
                 (QStringList{"Next alarm: Tue 07:00 AM — Work", "Snoozed till 07:05 AM: Alarm 1 — Work — 07:00 AM",
                              "Snoozed till 07:11 AM: Alarm 2 — 06:00 AM"}));
    }

private:
    const ScopedTimeZone m_zone{"Asia/Dhaka"};
};

QTEST_GUILESS_MAIN(TestNextAlarm)
#include "tst_nextalarm.moc"
