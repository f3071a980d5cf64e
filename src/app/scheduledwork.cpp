#include "app/scheduledwork.h"

#include "alarms/alarmringer.h"
#include "app/ringingnotice.h"
#include "app/shutdownwarning.h"
#include "core/clockschedule.h"
#include "core/datafiles.h"
#include "events/eventreminders.h"
#include "power/logindpower.h"
#include "power/sleeptimer.h"
#include "prayer/prayerschedule.h"
#include "sound/soundchannel.h"
#include "voice/timeannouncer.h"
#include <QCoreApplication>

namespace {

void connectSounds(ClockSchedule &schedule, const ScheduleOwners &o, QObject *context)
{
    ClockSchedule *s = &schedule;
    QObject::connect(s, &ClockSchedule::announcementDue, context, [s, o, context](const TickSecond &second) {
        // The checks of this second run once the time has been spoken, the window live meanwhile.
        s->hold();
        announceTime(o.sound, o.voice.current(), second.local.hour, second.local.minute,
                     DataFiles::find(kRecordingFile, false), context, [s] { s->resume(); });
    });
    QObject::connect(s, &ClockSchedule::prayerCallDue, context, [s, o](int prayer, const TickSecond &second) {
        if (second.missed())
            s->noteMissed(second.local, PrayerSchedule::missedName(prayer, second.local.hour * 60 + second.local.minute));
        else
            o.prayers.call(prayer, second);
    });
    QObject::connect(s, &ClockSchedule::prayerAlertDue, context,
                     [o](int prayer, int minutesLeft, int prayerMinute, const TickSecond &second) {
                         const QString alert = PrayerSchedule::alertText(prayer, minutesLeft, prayerMinute);
                         o.notice.tell(alert);
                         o.prayers.chime(alert, second);
                     });
    QObject::connect(&o.channel, &SoundChannel::ringingStarted, s, [s] { s->setChannelOpen(true); });
    QObject::connect(&o.channel, &SoundChannel::ringingEnded, s, [s] { s->setChannelOpen(false); });
    QObject::connect(s, &ClockSchedule::channelCheckDue, context, [o] {
        if (o.channel.active())
            o.channel.pollChannel();
    });
    QObject::connect(s, &ClockSchedule::alarmDue, context, [s, o](int slot, const TickSecond &second) {
        if (second.missed())
            s->noteMissed(second.local, o.alarms.name(slot));
        else
            o.alarms.ring(slot, second);
        o.alarms.endIfOnce(slot);
    });
    QObject::connect(s, &ClockSchedule::snoozeDue, context, [s, o](const SnoozedAlarm &alarm, const TickSecond &t) {
        if (t.missed())
            s->noteMissed(t.local, AlarmRinger::name(alarm.slot, alarm.alarm));
        else
            o.alarms.ringAgain(alarm, t);
    });
}

void connectReminders(ClockSchedule &schedule, const ScheduleOwners &o, QObject *context)
{
    ClockSchedule *s = &schedule;
    QObject::connect(s, &ClockSchedule::remindersDue, &o.reminders, &EventReminders::checkEventReminders);
    QObject::connect(s, &ClockSchedule::remindersMissed, context, [s, o](const LocalTime &from, const LocalTime &to) {
        for (const EventReminders::Missed &missed : o.reminders.missedBetween(from, to))
            s->noteMissed(missed.due, missed.name);
    });
    QObject::connect(&o.reminders, &EventReminders::failed, context, [o](const QString &error) {
        o.notice.report(QCoreApplication::translate("ScheduledWork", "The event reminders could not be read"),
                        error + QCoreApplication::translate("ScheduledWork", "\nThe clock tries again in a few seconds."));
    });
}

// The machine is never stopped late: after a sleep the user is at it again.
void connectSleepTimer(ClockSchedule &schedule, const ScheduleOwners &o, QObject *context)
{
    ClockSchedule *s = &schedule;
    QObject::connect(&o.sleepTimer, &SleepTimer::armedAt, s, &ClockSchedule::setShutdownMinute);
    QObject::connect(s, &ClockSchedule::shutdownDue, context, [s, o](const TickSecond &second) {
        if (!second.onTime())
            s->noteMissed(second.local, o.sleepTimer.name());
        o.sleepTimer.atArmedMinute(second.onTime());
    });
    QObject::connect(s, &ClockSchedule::shutdownWarningDue, &o.warning, &ShutdownWarning::warn);
    QObject::connect(&o.sleepTimer, &SleepTimer::refused, context,
                     [o](const QString &why) { o.notice.report(QCoreApplication::translate("ScheduledWork", "The machine was not stopped"), why); });
    QObject::connect(&o.power, &LogindPower::preparingForSleep, s, &ClockSchedule::noteSleep);
}

} // namespace

void connectScheduledWork(ClockSchedule &schedule, const ScheduleOwners &owners, QObject *context)
{
    connectSounds(schedule, owners, context);
    connectReminders(schedule, owners, context);
    connectSleepTimer(schedule, owners, context);
    QObject::connect(&schedule, &ClockSchedule::missedWhileAway, context,
                     [o = owners](const QStringList &what, bool slept) {
                         o.notice.report(slept ? QCoreApplication::translate("ScheduledWork", "Missed while the computer slept")
                                               : QCoreApplication::translate("ScheduledWork", "Missed while the clock was stopped"),
                                         what.join(", "));
                     });
}
