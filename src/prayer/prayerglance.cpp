#include "prayer/prayerglance.h"

#include "core/timesource.h"
#include "prayer/prayercall.h"
#include "timetext/localdigits.h"

#include <QCalendar>
#include <QLocale>
#include <QCoreApplication>

namespace {

constexpr int kDay = 24 * 60;
constexpr int kFriday = 5;

QString clock(int minute)
{
    const int inDay = (minute % kDay + kDay) % kDay;
    return QString::asprintf("%02d:%02d", inDay / 60, inDay % 60);
}

// "in 1 h 12 min", "in 45 min", "in 2 h"; a part of a minute counts as one.
QString timeLeft(int seconds)
{
    const int minutes = (seconds + 59) / 60;
    if (minutes < 60)
        return QCoreApplication::translate("PrayerGlance", "in %1 min").arg(minutes);
    if (minutes % 60 == 0)
        return QCoreApplication::translate("PrayerGlance", "in %1 h").arg(minutes / 60);
    return QCoreApplication::translate("PrayerGlance", "in %1 h %2 min").arg(minutes / 60).arg(minutes % 60);
}

// The day's own row, Jumma in Zohor's place on a Friday; a time past
// midnight shows as the clock will read then.
QString timesText(const PrayerTimes &today, int weekday)
{
    const int noon = weekday == kFriday ? PrayerTimes::Jumma : PrayerTimes::Zohor;
    QStringList parts;
    for (const int prayer : {int(PrayerTimes::Fajr), noon, int(PrayerTimes::Asr), int(PrayerTimes::Magreb),
                             int(PrayerTimes::Isha)}) {
        if (const int minute = fallsAtMinute(today, prayer); minute >= 0)
            parts << prayerName(prayer) + u' ' + clock(minute);
    }
    return parts.join(u' ');
}

} // namespace

QString PrayerGlance::tipLine() const
{
    if (times.isEmpty())
        return {};
    return next.isEmpty() ? times : next + " (" + times + u')';
}

QString PrayerGlance::windowLines() const
{
    if (times.isEmpty())
        return {};
    return times + u'\n' + (next.isEmpty() ? hijri : next + " · " + hijri);
}

PrayerGlance prayerGlance(const PrayerRows &rows, const LocalTime &now, int hijriAdjustment)
{
    PrayerGlance glance;
    glance.times = timesText(rows.today, now.weekday);
    glance.hijri = hijriDateText(now.date(), hijriAdjustment);
    const int minute = now.hour * 60 + now.minute;
    if (const std::optional<PrayerMoment> next = nextPrayer(rows, now.weekday, minute)) {
        glance.next = QString("%1 %2 — %3")
                          .arg(prayerName(next->prayer), clock(next->minute),
                               timeLeft(next->minute * 60 - now.secondOfDay()));
    }
    return glance;
}

QString hijriDateText(const QDate &date, int adjustment)
{
    const QCalendar hijri(QCalendar::System::IslamicCivil);
    const QCalendar::YearMonthDay day = hijri.partsFromDate(date.addDays(adjustment));
    return QCoreApplication::translate("PrayerGlance", "%1 %2 %3 AH")
        .arg(localDigits(QString::number(day.day)))
        .arg(hijri.monthName(QLocale(), day.month, day.year))
        .arg(localDigits(QString::number(day.year)));
}
