#include "alarms/alarmringer.h"

#include "alarms/alarmrules.h"
#include "core/secondcatchup.h"
#include "core/shellopener.h"
#include "sound/soundchannel.h"

namespace {

constexpr int kRetryPauseMs = 1000;

} // namespace

AlarmRinger::AlarmRinger(const ProfileSettings &settings, ShellOpener &shell, SoundChannel &channel)
    : m_settings(settings)
    , m_shell(shell)
    , m_channel(channel)
{
}

void AlarmRinger::ring(int slot, const TickSecond &second)
{
    const QString path = alarmPathToOpen(m_settings.alarms()[slot].file);
    if (isWaveFile(path))
        m_channel.startChannelSound({path, "&Stop Alarm", kRetryPauseMs, true, name(slot), second.calendar});
    else
        m_shell.open(path);
}

QString AlarmRinger::name(int slot) const
{
    return QString("Alarm %1 — %2").arg(slot + 1).arg(formatTimeOfDay12(m_settings.alarms()[slot].time));
}
