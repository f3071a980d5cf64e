#include "core/profilesettings.h"

#include "core/profilestore.h"

#include <QRegularExpression>

#include <algorithm>

namespace {

const char *const kAlertPrayers[] = {"Fajr", "Zohor", "Asr", "Magreb", "Isha"};

int inRange(int value, int limit)
{
    return value >= -limit && value <= limit ? value : 0;
}

constexpr int kDefaultSnooze = 5;
constexpr int kLongestSnooze = 30;

int snoozeInRange(int minutes)
{
    return std::clamp(minutes, 1, kLongestSnooze);
}

} // namespace

int parseAlarmDays(const QString &stored)
{
    static const QRegularExpression digits("^[01]{7}$");
    if (!digits.match(stored).hasMatch())
        return kEveryDay;
    int days = 0;
    for (int day = 0; day < 7; ++day)
        days |= (stored[day] == u'1') << day;
    return days;
}

QString alarmDaysText(int days)
{
    QString text;
    for (int day = 0; day < 7; ++day)
        text += days & (1 << day) ? u'1' : u'0';
    return text;
}

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
    m_snoozeMinutes = snoozeInRange(m_store.readInt(Alarms, SnoozeMinutes, kDefaultSnooze));
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
    using namespace ProfileKey;
    for (AlarmEntry &alarm : alarms) {
        alarm.time = m_store.readInt(Alarms, alarm.keyName, -1);
        alarm.file = m_store.readText(Alarms, alarm.keyName + AlarmFileSuffix, QString());
        alarm.days = parseAlarmDays(m_store.readText(Alarms, alarm.keyName + AlarmDaysSuffix, QString()));
        alarm.once = m_store.readInt(Alarms, alarm.keyName + AlarmOnceSuffix, 0) != 0;
        alarm.name = m_store.readText(Alarms, alarm.keyName + AlarmNameSuffix, QString());
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

void ProfileSettings::setAlarm(int slotIndex, const AlarmEntry &alarm)
{
    using namespace ProfileKey;
    AlarmEntry &entry = m_alarms[slotIndex];
    const QString key = entry.keyName;
    entry = alarm;
    entry.keyName = key;
    ++m_alarmsRevision;
    m_store.writeInt(Alarms, key, alarm.time);
    m_store.writeText(Alarms, key + AlarmFileSuffix, alarm.file);
    m_store.writeText(Alarms, key + AlarmDaysSuffix, alarmDaysText(alarm.days));
    m_store.writeInt(Alarms, key + AlarmOnceSuffix, alarm.once);
    m_store.writeText(Alarms, key + AlarmNameSuffix, alarm.name);
}

void ProfileSettings::clearAlarm(int slotIndex)
{
    setAlarm(slotIndex, AlarmEntry{});
}

void ProfileSettings::setSnoozeMinutes(int minutes)
{
    m_snoozeMinutes = snoozeInRange(minutes);
    m_store.writeInt(ProfileKey::Alarms, ProfileKey::SnoozeMinutes, m_snoozeMinutes);
}

void ProfileSettings::setPrayerCallOn(int flag)
{
    m_prayerCallOn = flag;
    m_store.writeInt(ProfileKey::AnnounceInterval, ProfileKey::AazanAnnounce, flag);
}

int ProfileSettings::readSuspend() const
{
    return m_store.readInt(ProfileKey::Shutdown, ProfileKey::Suspend, 0);
}

void ProfileSettings::setSuspend(int suspend)
{
    m_store.writeInt(ProfileKey::Shutdown, ProfileKey::Suspend, suspend);
}

int ProfileSettings::readIsEnglish() const
{
    return m_store.readInt(ProfileKey::AnnounceInterval, ProfileKey::IsEnglish, 0);
}

InterfaceChoice ProfileSettings::readInterfaceChoice() const
{
    return InterfaceLanguage::choiceFromStored(m_store.readText(ProfileKey::Interface, ProfileKey::Language, {}));
}

void ProfileSettings::setInterfaceChoice(InterfaceChoice choice)
{
    m_store.writeText(ProfileKey::Interface, ProfileKey::Language, InterfaceLanguage::storedText(choice));
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
