#include "alarms/alarmrules.h"

#include <QTest>

class TestAlarmRules : public QObject
{
    Q_OBJECT

private slots:
    void dueAlarm_data()
    {
        QTest::addColumn<QList<int>>("times"); // slot times in minutes, from slot 1
        QTest::addColumn<int>("secondOfDay");
        QTest::addColumn<int>("due");
        QTest::newRow("none set") << QList<int>{} << 0 << -1;
        QTest::newRow("second 1 of the minute") << QList<int>{420} << 25201 << -1;
        QTest::newRow("1440 never fires") << QList<int>{1440} << 0 << -1;
    }

    void dueAlarm()
    {
        QFETCH(QList<int>, times);
        QFETCH(int, secondOfDay);
        QFETCH(int, due);
        AlarmSlots alarms;
        for (int i = 0; i < times.size(); ++i)
            alarms[i].time = times[i];
        QCOMPARE(findDueAlarm(alarms, secondOfDay), due);
    }

    void waveFiles_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("wave");
        QTest::addColumn<QString>("opened");
        QTest::newRow("mixed case, trailing blanks") << "/m/Wake.WaV  \t" << true << "/m/Wake.WaV";
        QTest::newRow("no extension but wav ending") << "/m/nowav" << true << "/m/nowav";
    }

    // The path keeps its case: on this system "Wake.WaV" and "WAKE.WAV" are different files.
    void waveFiles()
    {
        QFETCH(QString, path);
        QFETCH(bool, wave);
        QFETCH(QString, opened);
        QCOMPARE(isWaveFile(path), wave);
        QCOMPARE(alarmPathToOpen(path), opened);
    }
};

QTEST_GUILESS_MAIN(TestAlarmRules)
#include "tst_alarmrules.moc"
