#include "prayer/prayerschedule.h"

#include "alarms/csoundchannel.h"
#include "app/datafiles.h"
#include "app/timesource.h"
#include "prayer/prayercall.h"

namespace {

constexpr int kRetryPauseMs = 1000;

} // namespace

PrayerSchedule::PrayerSchedule(const DataSource &source, CSoundChannel &channel)
    : m_source(source)
    , m_channel(channel)
{
}

void PrayerSchedule::LoadToday(const LocalTime &now)
{
    LoadTodayPrayerTimes(m_source, now.dayOfYear, m_today);
}

// Nothing is called at second 0, so a stored 0 ("no time") never sounds.
void PrayerSchedule::CheckPrayerCall(const LocalTime &second)
{
    if (second.secondOfDay() == 0) {
        LoadToday(second);
        return;
    }
    const int prayer = DuePrayer(m_today, second.secondOfDay(), second.weekday);
    if (prayer < 0)
        return;
    // People put their own recordings in the directory the clock starts from.
    m_channel.StartChannelSound(DataFiles::find(PrayerCallFile(prayer), true), "&Stop Aazan",
                                kRetryPauseMs, false);
}
