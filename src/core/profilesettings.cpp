#include "core/profilesettings.h"

#include "core/profilestore.h"

#include <algorithm>

namespace {

const char *const kAlertPrayers[] = {"Fajr", "Zohor", "Asr", "Magreb", "Isha"};

int inRange(int value, int limit)
{
    return value >= -limit && value <= limit ? value : 0;
}

} // namespace

ProfileSettings::ProfileSettings(ProfileStore &store)
    : m_store(store)
{
    for (int slot = 1; slot <= kAlarmSlots; ++slot)
        m_alarms[slot - 1].keyName = QString::asprintf("Alarm%d", slot);
}

void ProfileSettings::load()
{
    using namespace ProfileKey;
    m_interval = m_store.readInt(AnnounceInterval, Interval, kUnsetInterval);
    if (m_interval == kUnsetInterval) {
        m_interval = 0;
        m_store.writeInt(AnnounceInterval, Interval, 0);
    }

    m_alarms = readAlarms();

    m_isEnglish = m_store.readInt(AnnounceInterval, IsEnglish, 0);
    m_prayerCallOn = m_store.readInt(AnnounceInterval, AazanAnnounce, 1);
    for (int i = 0; i < int(m_prayerAlerts.size()); ++i) {
        const int minutes = m_store.readInt(Prayer, QString(AlertPrefix) + kAlertPrayers[i], 0);
        m_prayerAlerts[i] = std::max(0, inRange(minutes, kMaxAlertMinutes));
    }
    m_hijriAdjustment = inRange(m_store.readInt(Prayer, HijriAdjust, 0), kMaxHijriAdjustment);
}

void ProfileSettings::setInterval(int index)
{
    m_interval = index;
    m_store.writeInt(ProfileKey::AnnounceInterval, ProfileKey::Interval, index);
}

void ProfileSettings::setEnglish(int flag)
{
    m_isEnglish = flag;
    m_store.writeInt(ProfileKey::AnnounceInterval, ProfileKey::IsEnglish, flag);
}

std::array<AlarmEntry, kAlarmSlots> ProfileSettings::readAlarms() const
{
    std::array<AlarmEntry, kAlarmSlots> alarms = m_alarms;
    for (AlarmEntry &alarm : alarms) {
        alarm.time = m_store.readInt(ProfileKey::Alarms, alarm.keyName, -1);
        alarm.file = m_store.readText(ProfileKey::Alarms, alarm.keyName + ProfileKey::AlarmFileSuffix,
                                      QString());
    }
    return alarms;
}

int ProfileSettings::readClockFaceShown() const
{
    return m_store.readInt(ProfileKey::AnalogClock, ProfileKey::Visible, 0);
}

void ProfileSettings::setClockFaceShown(int shown)
{
    m_store.writeInt(ProfileKey::AnalogClock, ProfileKey::Visible, shown);
}

int ProfileSettings::readShutdownTime() const
{
    return m_store.readInt(ProfileKey::Shutdown, ProfileKey::ShutdownTime, 0);
}

int ProfileSettings::readPowerOff() const
{
    return m_store.readInt(ProfileKey::Shutdown, ProfileKey::PowerOff, 0);
}

void ProfileSettings::setShutdown(int minutes, int powerOff)
{
    m_store.writeInt(ProfileKey::Shutdown, ProfileKey::ShutdownTime, minutes);
    m_store.writeInt(ProfileKey::Shutdown, ProfileKey::PowerOff, powerOff);
}

void ProfileSettings::setAlarm(int slotIndex, int minutes, const QString &file)
{
    AlarmEntry &alarm = m_alarms[slotIndex];
    alarm.time = minutes;
    m_store.writeInt(ProfileKey::Alarms, alarm.keyName, minutes);
    alarm.file = file;
    m_store.writeText(ProfileKey::Alarms, alarm.keyName + ProfileKey::AlarmFileSuffix, file);
}

void ProfileSettings::setPrayerCallOn(int flag)
{
    m_prayerCallOn = flag;
    m_store.writeInt(ProfileKey::AnnounceInterval, ProfileKey::AazanAnnounce, flag);
}

int ProfileSettings::readIsEnglish() const
{
    return m_store.readInt(ProfileKey::AnnounceInterval, ProfileKey::IsEnglish, 0);
}

bool ProfileSettings::readLoginStartOffered() const
{
    return m_store.readInt(ProfileKey::Startup, ProfileKey::LoginStartOffered, 0) != 0;
}

void ProfileSettings::setLoginStartOffered()
{
    m_store.writeInt(ProfileKey::Startup, ProfileKey::LoginStartOffered, 1);
}

int ProfileSettings::readAllDayReminder() const
{
    constexpr int kNine = 9 * 60;
    const int minutes = m_store.readInt(ProfileKey::Events, ProfileKey::AllDayReminder, kNine);
    return minutes >= 0 && minutes < 1440 ? minutes : kNine;
}

void ProfileSettings::setPrayerAlerts(const PrayerAlerts &alerts)
{
    m_prayerAlerts = alerts;
    for (int i = 0; i < int(alerts.size()); ++i)
        m_store.writeInt(ProfileKey::Prayer, QString(ProfileKey::AlertPrefix) + kAlertPrayers[i], alerts[i]);
}

void ProfileSettings::setHijriAdjustment(int days)
{
    m_hijriAdjustment = days;
    m_store.writeInt(ProfileKey::Prayer, ProfileKey::HijriAdjust, days);
}
