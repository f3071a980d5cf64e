#pragma once

class AlarmRinger;
class ClockSchedule;
class EventReminders;
class LogindPower;
class PrayerSchedule;
class QObject;
class RingingNotice;
class ShutdownWarning;
class SleepTimer;
class SoundChannel;
class SoundDevice;
class VoiceTables;

// Who acts on what the schedule finds due.
struct ScheduleOwners
{
    SoundDevice &sound; // the spoken time
    const VoiceTables &voice;
    SoundChannel &channel;
    PrayerSchedule &prayers;
    AlarmRinger &alarms;
    EventReminders &reminders;
    SleepTimer &sleepTimer;
    ShutdownWarning &warning;
    LogindPower &power;
    RingingNotice &notice; // what could not be done, told without waiting
};

// Connects each of the schedule's signals to its owner, for as long as
// `context` lives. What came due too long ago to act on, and a shutdown that
// would come late, are named in the report of what was missed instead.
void connectScheduledWork(ClockSchedule &schedule, const ScheduleOwners &owners, QObject *context);
