#include "prayer/prayerschedule.h"

#include "core/datafiles.h"
#include "core/secondcatchup.h"
#include "prayer/prayercall.h"
#include "prayer/todayprayertimes.h"
#include "sound/soundchannel.h"

#include <QDate>

namespace {

constexpr int kRetryPauseMs = 1000;

} // namespace

PrayerSchedule::PrayerSchedule(const DataSource &source, SoundChannel &channel)
    : m_source(source)
    , m_channel(channel)
{
}

std::optional<PrayerTimes> PrayerSchedule::timesOn(const QDate &day) const
{
    PrayerTimes times;
    const DbResult<bool> loaded = loadTodayPrayerTimes(m_source, day.dayOfYear(), times);
    if (!loaded.ok() || !loaded.value())
        return std::nullopt;
    return times;
}

void PrayerSchedule::call(int prayer, const TickSecond &second)
{
    // People put their own recordings in the directory the clock starts from.
    m_channel.startChannelSound({DataFiles::find(prayerCallFile(prayer), true), "&Stop Aazan", kRetryPauseMs,
                                 false, "Prayer call — " + prayerName(prayer), second.calendar});
}

QString PrayerSchedule::missedName(int prayer, int minutes)
{
    return QString("%1 — %2:%3").arg(prayerName(prayer)).arg(minutes / 60, 2, 10, QChar('0'))
        .arg(minutes % 60, 2, 10, QChar('0'));
}
