#include "core/clockschedule.h"
#include "core/duerules.h"
#include "core/profilesettings.h"
#include "core/profilestore.h"
#include "support/scopedtimezone.h"
#include "support/virtualtimesource.h"

#include <QDateTime>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTimeZone>

namespace {

QString at(const LocalTime &t)
{
    return QString::asprintf("%02d-%02d %02d:%02d:%02d", t.month, t.day, t.hour, t.minute, t.second);
}

QString timeliness(const TickSecond &s)
{
    return s.onTime() ? "on time" : s.missed() ? "missed" : "late";
}

// Fajr at 00:10 on even days and 00:12 on odd ones; Zohor at 12:00; Isha at 01:30, past the next
// midnight. The alerts come 15 minutes before Fajr, 5 before Zohor.
std::optional<PrayerTimes> storedTimes(const QDate &day)
{
    return PrayerTimes{{day.day() % 2 ? 12 : 10, 720, 0, 0, 90, 0}};
}

} // namespace

// The schedule on the virtual clock: what it says is due, in which order and how late; the test
// acts as the owners do, naming what came too late.
class TestClockSchedule : public QObject
{
    Q_OBJECT

private slots:
    void whatIsDue_data()
    {
        QTest::addColumn<QByteArray>("zone");
        QTest::addColumn<QString>("startUtc");
        QTest::addColumn<int>("interval"); // of the spoken time
        QTest::addColumn<QStringList>("steps"); // "+N" seconds on, "sleep N", "away N": on without a tick, "wake": logind says so
        QTest::addColumn<QStringList>("kinds"); // what of the log is compared
        QTest::addColumn<QStringList>("said");
        const QByteArray dhaka = "Asia/Dhaka";
        const QStringList sounds{"alarm", "prayer", "announce", "shutdown", "warning", "missed"};
        QTest::newRow("alarm on its second") << dhaka << "2026-12-07 00:59:58" << 3 << QStringList{"+1", "+1", "+1"}
                                             << sounds << QStringList{"alarm 1 12-07 07:00:00 on time"};
        QTest::newRow("a three-minute stop rings it late")
            << dhaka << "2026-12-07 00:59:00" << 3 << QStringList{"+180"} << sounds
            << QStringList{"alarm 1 12-07 07:00:00 late"};
        QTest::newRow("asleep 40 minutes: missed and told")
            << dhaka << "2026-12-07 00:50:30" << 3 << QStringList{"sleep 2400"} << QStringList{"missed", "reminders"}
            << QStringList{"reminders missed 12-07 06:51:00..12-07 07:20:00", "reminders 12-07 07:21:00 late",
                           "reminders 12-07 07:22:00 late", "reminders 12-07 07:23:00 late",
                           "reminders 12-07 07:24:00 late", "reminders 12-07 07:25:00 late",
                           "reminders 12-07 07:26:00 late", "reminders 12-07 07:27:00 late",
                           "reminders 12-07 07:28:00 late", "reminders 12-07 07:29:00 late",
                           "reminders 12-07 07:30:00 late", "missed while asleep: Alarm 1"};
        QTest::newRow("stopped for hours: told in the order due")
            << dhaka << "2026-12-06 17:50:00" << 3 << QStringList{"+48000"} << QStringList{"missed"}
            << QStringList{"missed while stopped: Fajr, Isha, Alarm 3, Alarm 1, Zohor, Alarm 2"};
        QTest::newRow("logind wakes it: told as asleep")
            << dhaka << "2026-12-07 00:50:00" << 3 << QStringList{"away 3600", "wake"} << QStringList{"missed"}
            << QStringList{"missed while asleep: Alarm 1"};
        QTest::newRow("gap over midnight: the new day's times")
            << dhaka << "2026-12-06 17:55:00" << 3 << QStringList{"+900", "+120"} << QStringList{"prayer"}
            << QStringList{"prayer 0 12-07 00:12:00 on time"};
        QTest::newRow("two sounds in one second, in order")
            << dhaka << "2026-12-07 05:59:59" << 3 << QStringList{"+1"} << sounds
            << QStringList{"prayer 1 12-07 12:00:00 on time", "alarm 2 12-07 12:00:00 on time"};
        QTest::newRow("spoken on time") << dhaka << "2026-12-07 03:14:59" << 0 << QStringList{"+1"} << sounds
                                        << QStringList{"announce 12-07 09:15:00"};
        QTest::newRow("never spoken late") << dhaka << "2026-12-07 03:14:59" << 0 << QStringList{"+60"} << sounds
                                           << QStringList{};
        QTest::newRow("a shutdown caught up is late")
            << dhaka << "2026-12-07 17:29:00" << 3 << QStringList{"+180"} << sounds
            << QStringList{"warning 60", "shutdown 12-07 23:30:00 late"};
        QTest::newRow("warned a minute before")
            << dhaka << "2026-12-07 17:28:59" << 3 << QStringList{"+1"} << sounds << QStringList{"warning 60"};
        QTest::newRow("the last second's warning, then the stop")
            << dhaka << "2026-12-07 17:29:58" << 3 << QStringList{"+1", "+1"} << sounds
            << QStringList{"warning 2", "warning 1", "shutdown 12-07 23:30:00 on time"};
        QTest::newRow("London autumn: 01:30 once")
            << QByteArray("Europe/London") << "2026-10-25 00:29:59" << 3 << QStringList{"+1", "+3600", "+1"}
            << QStringList{"prayer"} << QStringList{"prayer 4 10-25 01:30:00 on time"};
        QTest::newRow("London spring: 01:30 at the jump")
            << QByteArray("Europe/London") << "2026-03-29 00:59:59" << 3 << QStringList{"+1"} << QStringList{"prayer"}
            << QStringList{"prayer 4 03-29 01:30:00 on time"};
        const QStringList alerts{"alert", "prayer"};
        QTest::newRow("alert before Zohor") << dhaka << "2026-12-07 05:54:59" << 3 << QStringList{"+1", "+300"}
                                            << alerts
                                            << QStringList{"alert 1 in 5 12-07 11:55:00 on time",
                                                           "prayer 1 12-07 12:00:00 on time"};
        QTest::newRow("alert of a Fajr past midnight, the evening before")
            << dhaka << "2026-12-06 17:56:59" << 3 << QStringList{"+1"} << alerts
            << QStringList{"alert 0 in 15 12-06 23:57:00 on time"};
        QTest::newRow("a late alert tells the minutes left")
            << dhaka << "2026-12-07 05:54:00" << 3 << QStringList{"+180"} << alerts
            << QStringList{"alert 1 in 3 12-07 11:55:00 late"};
        QTest::newRow("no alert caught up after its prayer")
            << dhaka << "2026-12-07 05:54:00" << 3 << QStringList{"+420"} << alerts
            << QStringList{"prayer 1 12-07 12:00:00 late"};
        QTest::newRow("no alert for a missed second, the call late")
            << dhaka << "2026-12-07 05:30:00" << 3 << QStringList{"sleep 2400"} << alerts
            << QStringList{"prayer 1 12-07 12:00:00 late"};
        QTest::newRow("New York spring: 02:30 at the jump")
            << QByteArray("America/New_York") << "2026-03-08 06:59:59" << 3 << QStringList{"+1"} << sounds
            << QStringList{"alarm 3 03-08 02:30:00 on time"};
    }

    void whatIsDue()
    {
        QFETCH(QByteArray, zone);
        QFETCH(QString, startUtc);
        QFETCH(int, interval);
        QFETCH(QStringList, steps);
        QFETCH(QStringList, kinds);
        QFETCH(QStringList, said);
        const ScopedTimeZone pinned(zone.constData());
        QDateTime start = QDateTime::fromString(startUtc, "yyyy-MM-dd hh:mm:ss");
        start.setTimeZone(QTimeZone::utc());
        m_time.set(start.toSecsSinceEpoch());
        ClockSchedule schedule(m_time, settings({{"Alarm1", 420}, {"Alarm2", 720}, {"Alarm3", 150}}, interval));
        schedule.setPrayerDays(storedTimes);
        schedule.setShutdownMinute(23 * 60 + 30);
        QStringList log;
        listen(schedule, log);
        schedule.tick();
        for (const QString &step : steps) {
            if (step == "wake") {
                schedule.noteSleep(false);
                continue;
            }
            const qint64 seconds = step.section(' ', -1).toLongLong();
            step.startsWith("sleep") ? m_time.sleep(seconds) : m_time.advance(seconds);
            if (!step.startsWith("away"))
                schedule.tick();
        }
        log.removeIf([&kinds](const QString &line) { return !kinds.contains(line.section(' ', 0, 0)); });
        QCOMPARE(log, said);
    }

    void weekdaysAndSnoozes_data()
    {
        QTest::addColumn<QByteArray>("zone");
        QTest::addColumn<QString>("start");  // local
        QTest::addColumn<QString>("alarm1"); // "HH:MM" and its days, Monday first
        // "+N", "run N" (ticks 9 s apart), "sleep N", "snooze N": alarm 1 again N s on, "drop": its snooze
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QStringList>("said");
        const QByteArray dhaka = "Asia/Dhaka";
        const QStringList ring{"+1"};
        QTest::newRow("Sunday to Monday: Monday's midnight") << dhaka << "2026-12-06 23:59:59" << "00:00 1000000"
                                                            << ring << QStringList{"alarm 1 12-07 00:00:00 on time"};
        QTest::newRow("Sunday's alarm is not Monday's midnight")
            << dhaka << "2026-12-06 23:59:59" << "00:00 0000001" << ring << QStringList{};
        QTest::newRow("a week of weekdays")
            << dhaka << "2026-12-05 06:00:00" << "07:00 1111100" << QStringList{"run 604800"}
            << QStringList{"alarm 1 12-07 07:00:00 on time", "alarm 1 12-08 07:00:00 on time",
                           "alarm 1 12-09 07:00:00 on time", "alarm 1 12-10 07:00:00 on time",
                           "alarm 1 12-11 07:00:00 on time"};
        QTest::newRow("London spring: Sunday's 01:30 at the jump")
            << QByteArray("Europe/London") << "2026-03-29 00:59:59" << "01:30 0000001" << ring
            << QStringList{"alarm 1 03-29 01:30:00 on time"};
        QTest::newRow("snoozed twice")
            << dhaka << "2026-12-07 06:59:59" << "07:00 1111111"
            << QStringList{"+1", "snooze 300", "+299", "+1", "snooze 300", "+300", "+600"}
            << QStringList{"alarm 1 12-07 07:00:00 on time", "again 1 12-07 07:05:00 on time",
                           "again 1 12-07 07:10:00 on time"};
        QTest::newRow("a snooze over midnight, on a day the alarm does not ring")
            << dhaka << "2026-12-06 23:57:59" << "23:58 0000001" << QStringList{"+1", "+3", "snooze 300", "+300"}
            << QStringList{"alarm 1 12-06 23:58:00 on time", "again 1 12-07 00:03:03 on time"};
        QTest::newRow("snoozed, then stopped eight minutes: late")
            << dhaka << "2026-12-07 06:59:59" << "07:00 1111111" << QStringList{"+1", "snooze 300", "+480"}
            << QStringList{"alarm 1 12-07 07:00:00 on time", "again 1 12-07 07:05:00 late"};
        QTest::newRow("snoozed, then asleep an hour: named")
            << dhaka << "2026-12-07 06:59:59" << "07:00 1111111" << QStringList{"+1", "snooze 300", "sleep 3600"}
            << QStringList{"alarm 1 12-07 07:00:00 on time", "again 1 12-07 07:05:00 missed",
                           "missed while asleep: Alarm 1 again"};
        QTest::newRow("a slot set anew drops its snooze")
            << dhaka << "2026-12-07 06:59:59" << "07:00 1111111" << QStringList{"+1", "snooze 300", "drop", "+600"}
            << QStringList{"alarm 1 12-07 07:00:00 on time"};
    }

    // The alarms' days are those of each checked second's local date; a snooze is checked like an alarm.
    void weekdaysAndSnoozes()
    {
        QFETCH(QByteArray, zone);
        QFETCH(QString, start);
        QFETCH(QString, alarm1);
        QFETCH(QStringList, steps);
        QFETCH(QStringList, said);
        const ScopedTimeZone pinned(zone.constData());
        const QDateTime local = QDateTime::fromString(start, "yyyy-MM-dd hh:mm:ss");
        m_time.set(VirtualTimeSource::fromLocal(local.date().year(), local.date().month(), local.date().day(),
                                                local.time().hour(), local.time().minute(), local.time().second()));
        ProfileSettings &profile = settings({{"Alarm1", parseMinutes(alarm1)}}, 3);
        AlarmEntry alarm = profile.alarms()[0];
        alarm.days = parseAlarmDays(alarm1.section(' ', 1));
        profile.setAlarm(0, alarm);
        ClockSchedule schedule(m_time, profile);
        QStringList log;
        listen(schedule, log);
        connect(&schedule, &ClockSchedule::snoozeDue, [&log, &schedule](const SnoozedAlarm &a, const TickSecond &t) {
            log << QString("again %1 %2 %3").arg(a.slot + 1).arg(at(t.local), timeliness(t));
            if (t.missed())
                schedule.noteMissed(t.local, QString("Alarm %1 again").arg(a.slot + 1));
        });
        schedule.tick();
        for (const QString &step : steps) {
            const qint64 seconds = step.section(' ', -1).toLongLong();
            if (step.startsWith("snooze")) {
                schedule.snooze({0, alarm, m_time.now() + seconds});
            } else if (step == "drop") {
                schedule.dropSnooze(0);
            } else if (step.startsWith("run")) {
                for (qint64 run = 0; run < seconds; run += 9) {
                    m_time.advance(9);
                    schedule.tick();
                }
            } else {
                step.startsWith("sleep") ? m_time.sleep(seconds) : m_time.advance(seconds);
                schedule.tick();
            }
        }
        log.removeIf([](const QString &line) { return line.startsWith("reminders"); });
        QCOMPARE(log, said);
    }

    void warningSeconds_data()
    {
        QTest::addColumn<int>("armed");
        QTest::addColumn<QString>("at");
        QTest::addColumn<int>("toGo");
        QTest::newRow("the minute itself") << 600 << "10:00:00" << 0;
        QTest::newRow("a second more than a minute before") << 600 << "09:58:59" << 0;
        QTest::newRow("midnight: 23:59 before it") << 0 << "23:59:30" << 30;
        QTest::newRow("not armed") << -1 << "23:59:30" << 0;
        QTest::newRow("1440 is no minute") << 1440 << "23:59:30" << 0;
    }

    void warningSeconds()
    {
        QFETCH(int, armed);
        QFETCH(QString, at);
        QFETCH(int, toGo);
        const int second = QTime::fromString(at, "hh:mm:ss").msecsSinceStartOfDay() / 1000;
        QCOMPARE(shutdownWarningSeconds(armed, LocalTime::fromWallSecond(second)), toGo);
    }

    // What follows the spoken time in its second, and the seconds that pass while it is spoken,
    // wait until it has been heard; the time is shown meanwhile.
    void spokenTimeHoldsTheRest()
    {
        const ScopedTimeZone pinned("Asia/Dhaka");
        m_time.set(VirtualTimeSource::fromLocal(2026, 12, 7, 9, 14, 59));
        ClockSchedule schedule(m_time, settings({{"Alarm1", 9 * 60 + 15}, {"Alarm2", 9 * 60 + 16}}));
        QStringList log;
        listen(schedule, log);
        connect(&schedule, &ClockSchedule::announcementDue, &schedule, &ClockSchedule::hold);
        connect(&schedule, &ClockSchedule::timeShown, [&log](const LocalTime &now) { log << "shown " + at(now); });
        m_time.advance(1);
        schedule.tick();
        m_time.advance(62);
        schedule.tick();
        QCOMPARE(log, QStringList({"shown 12-07 09:15:00", "announce 12-07 09:15:00",
                                   "shown 12-07 09:16:02"}));
        log.clear();
        schedule.resume();
        QCOMPARE(log.filter("alarm"), QStringList({"alarm 1 12-07 09:15:00 on time", "alarm 2 12-07 09:16:00 on time"}));
    }

    // Each tick is armed for just after the next whole second of the time source, however far
    // into its second the schedule started or the last tick ran.
    void tickArmedForTheWholeSecond_data()
    {
        QTest::addColumn<int>("startMs");    // into the second at start()
        QTest::addColumn<QList<int>>("tickMs"); // the moments of the ticks after it, from the start
        QTest::addColumn<QList<int>>("armedMs"); // the timer's wait after start() and after each tick
        const int past = ClockSchedule::kPastTheSecondMs;
        QTest::newRow("on the second") << 0 << QList<int>{1000 + past} << QList<int>{1000 + past, 1000};
        QTest::newRow("a quarter in") << 250 << QList<int>{750 + past, 1750 + past} << QList<int>{750 + past, 1000, 1000};
        QTest::newRow("a late tick") << 100 << QList<int>{900 + 400} << QList<int>{900 + past, 600 + past};
        // Fired a millisecond before its second: armed for just after it.
        QTest::newRow("an early tick") << 999 << QList<int>{1000} << QList<int>{1 + past, 1 + past};
        QTest::newRow("a second skipped") << 500 << QList<int>{2700} << QList<int>{500 + past, 800 + past};
    }

    void tickArmedForTheWholeSecond()
    {
        QFETCH(int, startMs);
        QFETCH(QList<int>, tickMs);
        QFETCH(QList<int>, armedMs);
        m_time.set(1796526900);
        m_time.advanceMs(startMs);
        ClockSchedule schedule(m_time, settings({}));
        schedule.start();
        QList<int> armed{schedule.intervalMs()};
        int at = 0;
        for (const int tick : tickMs) {
            m_time.advanceMs(tick - at);
            at = tick;
            schedule.tick();
            armed << schedule.intervalMs();
        }
        QCOMPARE(armed, armedMs);
    }

private:
    static int parseMinutes(const QString &hhmm)
    {
        const QTime time = QTime::fromString(hhmm.section(' ', 0, 0), "hh:mm");
        return time.hour() * 60 + time.minute();
    }

    // Alarm times by key, every one with a file.
    ProfileSettings &settings(const QList<std::pair<QString, int>> &alarms, int interval = 0)
    {
        m_store = ProfileStore::openIniFile(m_dir.filePath(QString("%1.conf").arg(++m_profiles)));
        m_store->writeInt("AnnounceInterval", "Interval", interval);
        m_store->writeInt("Prayer", "AlertFajr", 15);
        m_store->writeInt("Prayer", "AlertZohor", 5);
        for (const auto &[key, minutes] : alarms) {
            m_store->writeInt("Alarms", key, minutes);
            m_store->writeText("Alarms", key + "_file", "/a.wav");
        }
        m_settings.emplace(*m_store);
        m_settings->load();
        return *m_settings;
    }

    // The owners' part: each due thing is logged; what came too late is named for the report.
    static void listen(ClockSchedule &s, QStringList &log)
    {
        static const char *const prayers[] = {"Fajr", "Zohor", "Asr", "Magreb", "Isha", "Jumma"};
        connect(&s, &ClockSchedule::announcementDue, [&log](const TickSecond &t) { log << "announce " + at(t.local); });
        connect(&s, &ClockSchedule::prayerCallDue, [&log, &s](int prayer, const TickSecond &t) {
            log << QString("prayer %1 %2 %3").arg(prayer).arg(at(t.local), timeliness(t));
            if (t.missed())
                s.noteMissed(t.local, prayers[prayer]);
        });
        connect(&s, &ClockSchedule::prayerAlertDue, [&log](int prayer, int left, int, const TickSecond &t) {
            log << QString("alert %1 in %2 %3 %4").arg(prayer).arg(left).arg(at(t.local), timeliness(t));
        });
        connect(&s, &ClockSchedule::alarmDue, [&log, &s](int slot, const TickSecond &t) {
            log << QString("alarm %1 %2 %3").arg(slot + 1).arg(at(t.local), timeliness(t));
            if (t.missed())
                s.noteMissed(t.local, QString("Alarm %1").arg(slot + 1));
        });
        connect(&s, &ClockSchedule::remindersDue,
                [&log](const TickSecond &t) { log << QString("reminders %1 %2").arg(at(t.local), timeliness(t)); });
        connect(&s, &ClockSchedule::remindersMissed, [&log](const LocalTime &from, const LocalTime &to) {
            log << QString("reminders missed %1..%2").arg(at(from), at(to));
        });
        connect(&s, &ClockSchedule::shutdownDue, [&log, &s](const TickSecond &t) {
            log << QString("shutdown %1 %2").arg(at(t.local), timeliness(t));
            if (t.missed())
                s.noteMissed(t.local, "Shutdown");
        });
        connect(&s, &ClockSchedule::shutdownWarningDue, [&log](int toGo) { log << QString("warning %1").arg(toGo); });
        connect(&s, &ClockSchedule::missedWhileAway, [&log](const QStringList &what, bool slept) {
            log << QString("missed while %1: %2").arg(slept ? "asleep" : "stopped", what.join(", "));
        });
    }

    QTemporaryDir m_dir;
    int m_profiles = 0;
    std::unique_ptr<ProfileStore> m_store;
    std::optional<ProfileSettings> m_settings;
    VirtualTimeSource m_time;
};

QTEST_MAIN(TestClockSchedule)
#include "tst_clockschedule.moc"
