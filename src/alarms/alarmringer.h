#pragma once

#include "core/duerules.h"

#include <QHash>
#include <QObject>
#include <QString>

#include <optional>

class ProfileSettings;
class ShellOpener;
class SoundChannel;
struct TickSecond;

// What a due alarm does: a wave file plays on the sound channel; any other
// file goes to the desktop. A one-time alarm frees its slot once it has come
// due, whether it rang or was missed.
class AlarmRinger : public QObject
{
    Q_OBJECT

public:
    AlarmRinger(ProfileSettings &settings, ShellOpener &shell, SoundChannel &channel, QObject *parent = nullptr);

    void ring(int slot, const TickSecond &second);
    void ringAgain(const SnoozedAlarm &snoozed, const TickSecond &second);
    // After the alarm of the slot came due, rung or named as missed.
    void endIfOnce(int slot);
    // "Alarm 3 — 07:00 AM", or "Alarm 3 — Work — 07:00 AM" with a name, as
    // the notification and the missed report name it.
    QString name(int slot) const;
    static QString name(int slot, const AlarmEntry &alarm);

    // The alarm the channel says rings, by that name; none for other sounds.
    std::optional<SnoozedAlarm> ringing(const QString &what) const;

signals:
    // A one-time alarm's slot is free now.
    void slotFreed(int slot);

private:
    void play(int slot, const AlarmEntry &alarm, const TickSecond &second);

    ProfileSettings &m_settings;
    ShellOpener &m_shell;
    SoundChannel &m_channel;
    QHash<QString, SnoozedAlarm> m_played; // by the name the channel rings it under
};
