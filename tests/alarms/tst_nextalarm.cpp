#include "alarms/nextalarm.h"
#include "support/scopedtimezone.h"
#include "support/virtualtimesource.h"

#include <QTest>

class TestNextAlarm : public QObject
{
    Q_OBJECT

private slots:
    void nextAlarm_data()
    {
        QTest::addColumn<int>("day"); // of December 2026; the 5th is a Saturday
        QTest::addColumn<QString>("time");
        QTest::addColumn<bool>("sundayAlone"); // without slot 1
        QTest::addColumn<QString>("line");
        QTest::newRow("Saturday: Sunday's") << 5 << "08:00:00" << false << "Next alarm: Sun 06:00 AM";
        QTest::newRow("Sunday after it: Monday's") << 6 << "06:00:01" << false << "Next alarm: Mon 07:00 AM — Work";
        QTest::newRow("while it rings: tomorrow's") << 7 << "07:00:00" << false << "Next alarm: Tue 07:00 AM — Work";
        QTest::newRow("Friday night") << 11 << "23:59:59" << false << "Next alarm: Sun 06:00 AM";
        QTest::newRow("Sunday's alone: a week on") << 6 << "07:00:00" << true << "Next alarm: Sun 06:00 AM";
    }

    // Slot 1: 07:00 on weekdays, "Work"; slot 2: 06:00 on Sundays; slot 3: 1440, which never rings.
    void nextAlarm()
    {
        QFETCH(int, day);
        QFETCH(QString, time);
        QFETCH(bool, sundayAlone);
        QFETCH(QString, line);
        AlarmSlots alarms;
        if (!sundayAlone)
            alarms[0] = {"Alarm1", "/m/a.wav", 7 * 60, 0x1f, false, "Work"};
        alarms[1] = {"Alarm2", "/m/b.wav", 6 * 60, 0x40, false, {}};
        alarms[2] = {"Alarm3", "/m/c.wav", 1440, kEveryDay, false, "Never"};
        const QTime t = QTime::fromString(time, "hh:mm:ss");
        const qint64 now = VirtualTimeSource::fromLocal(2026, 12, day, t.hour(), t.minute(), t.second());
        QCOMPARE(nextAlarmLine(alarms, TimeSource::toLocal(now)), line);
    }

private:
    const ScopedTimeZone m_zone{"Asia/Dhaka"};
};

QTEST_GUILESS_MAIN(TestNextAlarm)
#include "tst_nextalarm.moc"
