#pragma once

#include "prayer/todayprayertimes.h"

struct LocalTime;
class SoundChannel;
class DataSource;

// Today's prayer times and the call that sounds at each of them on the
// shared sound channel; at midnight the new day's times are loaded.
class PrayerSchedule
{
public:
    PrayerSchedule(const DataSource &source, SoundChannel &channel);

    // Keeps the times it has when the day has no row or the database fails:
    // this runs at start-up and at midnight, with nobody to answer a message.
    void loadToday(const LocalTime &now);

    void checkPrayerCall(const LocalTime &second);

    const TodayPrayerTimes &today() const { return m_today; }

private:
    const DataSource &m_source;
    SoundChannel &m_channel;
    TodayPrayerTimes m_today;
};
