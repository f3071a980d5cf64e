#pragma once

#include "core/interfacelanguage.h"
#include "core/prayertimes.h"

#include <QString>

#include <array>

class ProfileStore;

// Section and key names of the profile.
namespace ProfileKey {
inline constexpr char AnnounceInterval[] = "AnnounceInterval";
inline constexpr char Interval[] = "Interval";
inline constexpr char IsEnglish[] = "IsEnglish";
inline constexpr char AazanAnnounce[] = "Aazan_Announce";
inline constexpr char Alarms[] = "Alarms";
inline constexpr char AlarmFileSuffix[] = "_file";
inline constexpr char AlarmDaysSuffix[] = "_days";
inline constexpr char AlarmOnceSuffix[] = "_once";
inline constexpr char AlarmNameSuffix[] = "_name";
inline constexpr char SnoozeMinutes[] = "SnoozeMinutes";
inline constexpr char AnalogClock[] = "AnalogClock";
inline constexpr char Visible[] = "VISIBLE";
inline constexpr char Shutdown[] = "Shutdown";
inline constexpr char ShutdownTime[] = "ShutdownTime";
inline constexpr char PowerOff[] = "PowerOff";
inline constexpr char Suspend[] = "Suspend";
inline constexpr char Startup[] = "Startup";
inline constexpr char LoginStartOffered[] = "LoginStartOffered";
inline constexpr char Events[] = "Events";
inline constexpr char AllDayReminder[] = "AllDayReminder";
inline constexpr char Prayer[] = "Prayer";
inline constexpr char HijriAdjust[] = "HijriAdjust"; // days, -2..2
// "AlertFajr" .. "AlertIsha": minutes before the prayer, 0..120.
inline constexpr char AlertPrefix[] = "Alert";
inline constexpr char Interface[] = "Interface";
inline constexpr char Language[] = "Language"; // "System", "bn" or "en"
} // namespace ProfileKey

inline constexpr int kAlarmSlots = 16;
// Days of the week as bits, Monday the lowest.
inline constexpr int kEveryDay = 0x7f;

struct AlarmEntry
{
    QString keyName;          // "Alarm1" .. "Alarm16"
    QString file;             // empty when the slot is free
    int time = -1;            // minutes since midnight; -1 when the slot is free
    int days = kEveryDay;     // the days it rings on
    bool once = false;        // cleared once it has come due
    QString name;             // what it is for; may be empty
    bool operator==(const AlarmEntry &) const = default;
};

// "_days" as stored: seven 0/1 digits, Monday first. Anything else (a
// missing key too) means every day, so that an alarm never falls silent
// because of a mangled value.
int parseAlarmDays(const QString &stored);
QString alarmDaysText(int days);

using AlarmSlots = std::array<AlarmEntry, kAlarmSlots>;

// The values read from the profile at start-up, kept for the whole run.
// Each setter updates its entry and writes the profile at once.
class ProfileSettings
{
public:
    // Interval index: 0 = 15 min, 1 = 30 min, 2 = 60 min, 3 = no announcement;
    // any other stored value selects no button and announces nothing.
    static constexpr int kUnsetInterval = 64;

    explicit ProfileSettings(ProfileStore &store);

    // Reads every entry; a first start writes "Interval" = 0 at once.
    void load();

    int interval() const { return m_interval; }
    void setInterval(int index);

    int isEnglish() const { return m_isEnglish; }
    void setEnglish(int flag);

    int prayerCallOn() const { return m_prayerCallOn; }
    void setPrayerCallOn(int flag);

    const std::array<AlarmEntry, kAlarmSlots> &alarms() const { return m_alarms; }
    // Counts the alarms' changes, so that what is built from them can tell it is stale.
    int alarmsRevision() const { return m_alarmsRevision; }
    // Writes the slot's time key, then its file key, then its days, once and
    // name; the entry's key name is the slot's own whatever `alarm` says.
    void setAlarm(int slotIndex, const AlarmEntry &alarm);
    // Frees the slot: no time, no file, every day, no name.
    void clearAlarm(int slotIndex);

    // Minutes until a snoozed alarm rings again, 1..30.
    int snoozeMinutes() const { return m_snoozeMinutes; }
    void setSnoozeMinutes(int minutes);

    // The sixteen slots as the profile holds them now.
    std::array<AlarmEntry, kAlarmSlots> readAlarms() const;

    // "AnalogClock"/"VISIBLE": read by the dialog before the rest is loaded.
    int readClockFaceShown() const;
    void setClockFaceShown(int shown);

    // The sleep timer's time (minutes since midnight) and power-off choice,
    // read each time the timer is enabled.
    int readShutdownTime() const;
    int readPowerOff() const;
    void setShutdown(int minutes, int powerOff);
    // Whether the sleep timer suspends instead (then "PowerOff" does not apply).
    int readSuspend() const;
    void setSuspend(int suspend);
    // The stored language, read without loading (and so without writing) anything.
    int readIsEnglish() const;
    // The windows' language, read before any window is made.
    InterfaceChoice readInterfaceChoice() const;
    void setInterfaceChoice(InterfaceChoice choice);

    // Whether a start has already put the clock into the session's autostart
    // (the first one does; after it the user's choice stands).
    bool readLoginStartOffered() const;

    // When imported all-day events are reminded, minutes since midnight:
    // 09:00 unless the profile names another minute of the day.
    int readAllDayReminder() const;
    void setLoginStartOffered();

    static constexpr int kMaxAlertMinutes = 120;
    static constexpr int kMaxHijriAdjustment = 2;
    // A stored value outside its range reads as 0.
    const PrayerAlerts &prayerAlerts() const { return m_prayerAlerts; }
    void setPrayerAlerts(const PrayerAlerts &alerts);
    int hijriAdjustment() const { return m_hijriAdjustment; }
    void setHijriAdjustment(int days);

private:
    ProfileStore &m_store;
    int m_interval = 0;
    std::array<AlarmEntry, kAlarmSlots> m_alarms;
    int m_alarmsRevision = 0;
    int m_isEnglish = 0;
    int m_prayerCallOn = 1;
    PrayerAlerts m_prayerAlerts{};
    int m_hijriAdjustment = 0;
    int m_snoozeMinutes = 5;
};
