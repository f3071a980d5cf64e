#include "prayer/prayerschedule.h"

#include "sound/soundchannel.h"
#include "core/datafiles.h"
#include "core/timesource.h"
#include "prayer/prayercall.h"

namespace {

constexpr int kRetryPauseMs = 1000;

} // namespace

PrayerSchedule::PrayerSchedule(const DataSource &source, SoundChannel &channel)
    : m_source(source)
    , m_channel(channel)
{
}

void PrayerSchedule::loadToday(const LocalTime &now)
{
    loadTodayPrayerTimes(m_source, now.dayOfYear, m_today);
}

// Nothing is called at second 0, so a stored 0 ("no time") never sounds.
void PrayerSchedule::checkPrayerCall(const LocalTime &second)
{
    if (second.secondOfDay() == 0) {
        loadToday(second);
        return;
    }
    const int prayer = duePrayer(m_today, second.secondOfDay(), second.weekday);
    if (prayer < 0)
        return;
    // People put their own recordings in the directory the clock starts from.
    m_channel.startChannelSound(DataFiles::find(prayerCallFile(prayer), true), "&Stop Aazan",
                                kRetryPauseMs, false, "Prayer call — " + prayerName(prayer));
}
