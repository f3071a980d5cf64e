#include "prayer/prayerschedule.h"

#include "core/datafiles.h"
#include "core/secondcatchup.h"
#include "prayer/prayercall.h"
#include "prayer/todayprayertimes.h"
#include "sound/soundchannel.h"

#include <QDate>
#include <QCoreApplication>

namespace {

constexpr int kRetryPauseMs = 1000;
// A few soft strokes; people may put their own under this name where the clock starts.
const char kAlertChimeFile[] = "PrayerAlert.WAV";

// "05:11": hours and minutes on the 24-hour clock.
QString clockText(int minutes)
{
    return QString::asprintf("%02d:%02d", minutes / 60, minutes % 60);
}

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
    m_channel.startChannelSound({DataFiles::find(prayerCallFile(prayer), true), QCoreApplication::translate("PrayerSchedule", "&Stop Aazan"), kRetryPauseMs,
                                 false, QCoreApplication::translate("PrayerSchedule", "Prayer call — %1").arg(prayerName(prayer)), second.calendar});
}

void PrayerSchedule::chime(const QString &alert, const TickSecond &second)
{
    ChannelSound sound{DataFiles::find(kAlertChimeFile, true), QCoreApplication::translate("PrayerSchedule", "&Stop Aazan"), kRetryPauseMs, false, alert,
                       second.calendar};
    sound.notice = false;
    m_channel.startChannelSound(sound);
}

QString PrayerSchedule::missedName(int prayer, int minutes)
{
    return QString("%1 — %2").arg(prayerName(prayer), clockText(minutes));
}

QString PrayerSchedule::alertText(int prayer, int minutesLeft, int prayerMinute)
{
    return QCoreApplication::translate("PrayerSchedule", "%1 in %2 %3 — %4")
        .arg(prayerName(prayer))
        .arg(minutesLeft)
        .arg(minutesLeft == 1 ? QCoreApplication::translate("PrayerSchedule", "minute") : QCoreApplication::translate("PrayerSchedule", "minutes"),
             clockText(prayerMinute % (24 * 60)));
}
