#pragma once

#include "core/duerules.h"
#include "core/localminute.h"
#include "core/minuteofday.h"
#include "core/prayermoments.h"
#include "core/prayertimes.h"
#include "core/secondcatchup.h"

#include <QDate>
#include <QObject>
#include <QStringList>
#include <QBasicTimer>

#include <functional>
#include <optional>
#include <vector>

class ProfileSettings;
class TimeSource;

// The heart of the clock: once a second it decides what has fallen due and
// says so; its owners act (the channel plays, the pop-up shows, logind is
// asked). Every second owed since the last tick is checked, oldest first,
// in this order: the spoken time, the prayer call, the alert before a
// prayer, the channel's end, the alarms, at second 0 of each minute the
// reminders, then the sleep timer.
// Each tick first shows the time and ends with what follows the sound and
// the face. Nothing here waits: an owner that needs the rest of its second
// to wait (the spoken time) holds the checks and resumes them later.
//
// What fell due while the machine slept or the clock was stopped rings late
// when it is at most ten minutes old; anything older is only named, in one
// report at the end of the tick. The time is spoken only on time.
class ClockSchedule : public QObject
{
    Q_OBJECT

public:
    // The prayer times stored for a day, if it has any.
    using PrayerDays = std::function<std::optional<PrayerTimes>(const QDate &day)>;

    ClockSchedule(TimeSource &time, const ProfileSettings &settings, QObject *parent = nullptr);

    // Ticks every second from now on, each just after its whole second on
    // the time source. The start-up second is owed too.
    void start();
    // What the timer runs: everything owed up to now.
    void tick();

    // A tick is due this long after its whole second: a timer that fired the
    // least bit early would otherwise find the second before still running.
    static constexpr int kPastTheSecondMs = 2;
    // A tick this much later than that still keeps the timer as it runs.
    static constexpr int kPhaseToleranceMs = 5;
    // What the repeating timer waits between two ticks; 0 before start().
    int intervalMs() const { return m_intervalMs; }

    void setPrayerDays(PrayerDays days);
    // The times of the day of the newest second checked, and of the days either side.
    const PrayerRows &prayerRows() const { return m_prayerRows; }
    // Read again once the stored times have changed.
    void reloadPrayerTimes();
    void setShutdownMinute(TimeOfDay minute); // kNoTime: the sleep timer is not armed
    // The channel's end is looked for only while a sound is on it.
    void setChannelOpen(bool open);

    // Checked with the alarms each second until it has come due.
    void snooze(const SnoozedAlarm &alarm);
    // A slot set anew or cleared takes its snooze with it.
    void dropSnooze(int slot);
    const std::vector<SnoozedAlarm> &snoozed() const { return m_snoozed; }

    // The rest of this second, and the seconds after it, wait for resume().
    void hold() { m_held = true; }
    void resume();

    // An owner names what fell due too long ago to ring, for the report.
    void noteMissed(const LocalTime &due, const QString &what);
    // logind's PrepareForSleep: on waking, the owed seconds run at once.
    void noteSleep(bool sleeping);

signals:
    void timeShown(const LocalTime &now);
    void announcementDue(const TickSecond &second);
    void prayerCallDue(int prayer, const TickSecond &second);
    // `minutesLeft` before the prayer at `prayerMinute` (from the second's
    // midnight; 1440 or more: past the next). Never for a missed second, nor
    // once the prayer has begun.
    void prayerAlertDue(int prayer, int minutesLeft, int prayerMinute, const TickSecond &second);
    void channelCheckDue();
    void alarmDue(int slot, const TickSecond &second);
    void snoozeDue(const SnoozedAlarm &alarm, const TickSecond &second);
    void remindersDue(const TickSecond &second);
    // The whole minutes from `from` to `to` were missed: their owner names
    // what came due in them and will not come again.
    void remindersMissed(const LocalTime &from, const LocalTime &to);
    void shutdownDue(const TickSecond &second);
    // Each second of the minute before the sleep timer's, on time only.
    void shutdownWarningDue(int secondsToGo);
    void tickEnded(const LocalTime &now);
    // In the order it came due; `slept`: the machine was suspended.
    void missedWhileAway(const QStringList &what, bool slept);

protected:
    void timerEvent(QTimerEvent *event) override;

private:
    using Check = void (ClockSchedule::*)(const TickSecond &);

    void keepOnTheSecond(qint64 nowMs);
    void arm(int intervalMs);
    void runOwed(qint64 now, const LocalTime &localNow);
    void checkAnnouncement(const TickSecond &second);
    void checkPrayerCall(const TickSecond &second);
    void checkPrayerAlert(const TickSecond &second);
    void checkChannel(const TickSecond &second);
    void checkAlarms(const TickSecond &second);
    void checkReminders(const TickSecond &second);
    void checkShutdown(const TickSecond &second);
    void endMissedMinutes();
    void reportMissed();
    const PrayerRows &prayerRowsOn(const LocalTime &second);

    static constexpr Check kChecks[] = {
        &ClockSchedule::checkAnnouncement, &ClockSchedule::checkPrayerCall, &ClockSchedule::checkPrayerAlert,
        &ClockSchedule::checkChannel,      &ClockSchedule::checkAlarms,     &ClockSchedule::checkReminders,
        &ClockSchedule::checkShutdown,
    };

    TimeSource &m_time;
    const ProfileSettings &m_settings;
    QBasicTimer m_timer; // a timer event straight to tick(), no signal between
    int m_intervalMs = 0;
    LocalMinute m_localMinute;
    SecondCatchUp m_catchUp;
    std::optional<TickSecond> m_second; // the second whose checks are under way
    std::size_t m_nextCheck = 0;
    bool m_held = false;
    bool m_running = false;

    PrayerDays m_prayerDays;
    int m_prayerDay = 0; // LocalTime::dateKey() of the rows held; 0: none
    PrayerRows m_prayerRows;
    TimeOfDay m_shutdownMinute = kNoTime;
    bool m_channelOpen = false;
    std::vector<SnoozedAlarm> m_snoozed;

    std::optional<LocalTime> m_missedMinutesFrom;
    LocalTime m_missedMinutesTo;
    std::vector<std::pair<qint64, QString>> m_missed; // wall second due, what
    bool m_slept = false;
    qint64 m_lastTickCalendar = 0;
    qint64 m_lastTickMonotonicMs = 0;
};
