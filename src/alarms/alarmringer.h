#pragma once

#include <QString>

class ProfileSettings;
class ShellOpener;
class SoundChannel;
struct TickSecond;

// What a due alarm does: a wave file plays on the sound channel; any other
// file goes to the desktop.
class AlarmRinger
{
public:
    AlarmRinger(const ProfileSettings &settings, ShellOpener &shell, SoundChannel &channel);

    void ring(int slot, const TickSecond &second);
    // "Alarm 3 — 07:00 AM", as the notification and the missed report name it.
    QString name(int slot) const;

private:
    const ProfileSettings &m_settings;
    ShellOpener &m_shell;
    SoundChannel &m_channel;
};
