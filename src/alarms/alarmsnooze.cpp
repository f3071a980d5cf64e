#include "alarms/alarmsnooze.h"

#include "alarms/alarmringer.h"
#include "core/clockschedule.h"
#include "core/profilesettings.h"
#include "core/timesource.h"
#include "sound/soundchannel.h"

AlarmSnooze::AlarmSnooze(const AlarmRinger &ringer, const ProfileSettings &settings, ClockSchedule &schedule,
                         SoundChannel &channel, TimeSource &time, QObject *parent)
    : QObject(parent)
    , m_ringer(ringer)
    , m_settings(settings)
    , m_schedule(schedule)
    , m_channel(channel)
    , m_time(time)
{
}

QString AlarmSnooze::offerFor(const QString &what)
{
    m_ringing = m_ringer.ringing(what);
    return m_ringing ? tr("Snooze %1 min").arg(m_settings.snoozeMinutes()) : QString();
}

void AlarmSnooze::endRinging()
{
    m_ringing.reset();
}

// The notification's button and the tray's item may both be pressed: the second does nothing.
void AlarmSnooze::snooze()
{
    if (!m_ringing)
        return;
    SnoozedAlarm again = *std::exchange(m_ringing, std::nullopt);
    again.dueAt = m_time.now() + 60 * m_settings.snoozeMinutes();
    m_schedule.snooze(again);
    m_channel.stopChannelSound();
}
