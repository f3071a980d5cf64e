#include "events/eventtext.h"

#include "core/timesource.h"
#include "timetext/timeofday.h"

#include <QLocale>

namespace {

// The names the texts have always used, whatever the user's language.
QString monthName(int month, QLocale::FormatType format)
{
    return QLocale::c().monthName(month, format);
}

} // namespace

QString scheduleLine(const QDate &date, int minutes)
{
    return QString::asprintf("Scheduled at %02d:%02d:%02d on %s, %d %s, %d", minutes / 60,
                             minutes % 60, 0,
                             qUtf8Printable(QLocale::c().dayName(date.dayOfWeek(), QLocale::ShortFormat)),
                             date.day(), qUtf8Printable(monthName(date.month(), QLocale::ShortFormat)),
                             date.year());
}

QString displayedText(const LocalTime &moment)
{
    return QString::asprintf("Displayed: %s %02d %d %02d:%02d:%02d",
                             qUtf8Printable(monthName(moment.month, QLocale::LongFormat)), moment.day,
                             moment.year, moment.hour, moment.minute, moment.second);
}

QString elapsedText(qint64 seconds)
{
    return QString::asprintf("Elapsed %02d:%02d:%02d", int(seconds / 3600 % 24), int(seconds / 60 % 60),
                             int(seconds % 60));
}

QString recorderTimeText(qint64 milliseconds)
{
    const qint64 seconds = milliseconds / 1000;
    return QString::asprintf("%02lld:%02lld:%02lld.%03lld", seconds / 3600, seconds / 60 % 60,
                             seconds % 60, milliseconds % 1000);
}

QString eventListText(int minutes, const QString &title)
{
    return formatTimeOfDay12(minutes) + " :: " + title;
}

QString reminderDateText(const QDate &date)
{
    if (!date.isValid())
        return "00/00/0000";
    return QString::asprintf("%02d/%02d/%d", date.day(), date.month(), date.year());
}
