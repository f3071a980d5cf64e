#pragma once

#include "core/duerules.h"

#include <QObject>
#include <QString>

#include <optional>

class AlarmRinger;
class ClockSchedule;
class ProfileSettings;
class SoundChannel;
class TimeSource;

// "Snooze": the ringing alarm's sound ends and the schedule rings the same
// alarm again after the chosen minutes, counted from the answer. Only an
// alarm can be snoozed; the prayer call and reminders cannot.
class AlarmSnooze : public QObject
{
    Q_OBJECT

public:
    AlarmSnooze(const AlarmRinger &ringer, const ProfileSettings &settings, ClockSchedule &schedule,
                SoundChannel &channel, TimeSource &time, QObject *parent = nullptr);

    // What the notification and the tray offer while `what` rings:
    // "Snooze 5 min", or empty when it is not an alarm.
    QString offerFor(const QString &what);
    void endRinging();
    void snooze();

private:
    const AlarmRinger &m_ringer;
    const ProfileSettings &m_settings;
    ClockSchedule &m_schedule;
    SoundChannel &m_channel;
    TimeSource &m_time;
    std::optional<SnoozedAlarm> m_ringing;
};
