#include "alarms/alarmringer.h"

#include "alarms/alarmrules.h"
#include "core/profilesettings.h"
#include "core/secondcatchup.h"
#include "core/shellopener.h"
#include "sound/soundchannel.h"
#include "timetext/timeofday.h"

namespace {

constexpr int kRetryPauseMs = 1000;

} // namespace

AlarmRinger::AlarmRinger(ProfileSettings &settings, ShellOpener &shell, SoundChannel &channel, QObject *parent)
    : QObject(parent)
    , m_settings(settings)
    , m_shell(shell)
    , m_channel(channel)
{
}

void AlarmRinger::ring(int slot, const TickSecond &second)
{
    play(slot, m_settings.alarms()[slot], second);
}

void AlarmRinger::ringAgain(const SnoozedAlarm &snoozed, const TickSecond &second)
{
    play(snoozed.slot, snoozed.alarm, second);
}

void AlarmRinger::play(int slot, const AlarmEntry &alarm, const TickSecond &second)
{
    const QString path = alarmPathToOpen(alarm.file);
    if (!isWaveFile(path)) {
        m_shell.open(path);
        return;
    }
    const QString what = name(slot, alarm);
    m_played.insert(what, {slot, alarm, 0});
    m_channel.startChannelSound({path, tr("&Stop Alarm"), kRetryPauseMs, true, what, second.calendar});
}

void AlarmRinger::endIfOnce(int slot)
{
    if (!m_settings.alarms()[slot].once)
        return;
    m_settings.clearAlarm(slot);
    emit slotFreed(slot);
}

QString AlarmRinger::name(int slot) const
{
    return name(slot, m_settings.alarms()[slot]);
}

QString AlarmRinger::name(int slot, const AlarmEntry &alarm)
{
    const QString named = alarm.name.trimmed().isEmpty() ? QString() : alarm.name.trimmed() + " — ";
    return tr("Alarm %1 — %2%3").arg(slot + 1).arg(named, showTimeOfDay12(alarm.time));
}

std::optional<SnoozedAlarm> AlarmRinger::ringing(const QString &what) const
{
    const auto played = m_played.constFind(what);
    return played == m_played.cend() ? std::nullopt : std::optional(*played);
}
