#pragma once

#include "core/prayertimes.h"

#include <QString>

#include <optional>

class DataSource;
class QDate;
class SoundChannel;
struct TickSecond;

// The stored times of each day, and the prayer call that sounds at them on
// the shared sound channel.
class PrayerSchedule
{
public:
    PrayerSchedule(const DataSource &source, SoundChannel &channel);

    // Nothing when the day has no row or the database fails: this runs
    // from the schedule, with nobody to answer a message.
    std::optional<PrayerTimes> timesOn(const QDate &day) const;

    void call(int prayer, const TickSecond &second);
    // The short chime before a prayer; its owner tells the desktop alertText().
    void chime(const QString &alert, const TickSecond &second);
    // "Fajr — 05:11", as a missed call is named.
    static QString missedName(int prayer, int minutes);
    // "Asr in 10 minutes — 15:36"; the minute may lie past midnight (1440 or more).
    static QString alertText(int prayer, int minutesLeft, int prayerMinute);

private:
    const DataSource &m_source;
    SoundChannel &m_channel;
};
