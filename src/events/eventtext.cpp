#include "events/eventtext.h"

#include "core/timesource.h"
#include "timetext/localdigits.h"
#include "timetext/timeofday.h"

#include <QCoreApplication>
#include <QLocale>

namespace {

// The names the texts have always used in English, and the interface
// language's own names otherwise.
QLocale namesLocale()
{
    const QLocale shown;
    return shown.language() == QLocale::English || shown.language() == QLocale::C ? QLocale::c() : shown;
}

QString monthName(int month, QLocale::FormatType format)
{
    return namesLocale().monthName(month, format);
}

QString clockTime(int hour, int minute, int second)
{
    return localDigits(QString::asprintf("%02d:%02d:%02d", hour, minute, second));
}

QString number(int value)
{
    return localDigits(QString::number(value));
}

} // namespace

QString scheduleLine(const QDate &date, int minutes)
{
    return QCoreApplication::translate("EventText", "Scheduled at %1 on %2, %3 %4, %5")
        .arg(clockTime(minutes / 60, minutes % 60, 0),
             namesLocale().dayName(date.dayOfWeek(), QLocale::ShortFormat), number(date.day()),
             monthName(date.month(), QLocale::ShortFormat), number(date.year()));
}

QString displayedText(const LocalTime &moment)
{
    return QCoreApplication::translate("EventText", "Displayed: %1 %2 %3 %4")
        .arg(monthName(moment.month, QLocale::LongFormat), localDigits(QString::asprintf("%02d", moment.day)),
             number(moment.year), clockTime(moment.hour, moment.minute, moment.second));
}

QString elapsedText(qint64 seconds)
{
    return QCoreApplication::translate("EventText", "Elapsed %1")
        .arg(clockTime(int(seconds / 3600 % 24), int(seconds / 60 % 60), int(seconds % 60)));
}

QString recorderTimeText(qint64 milliseconds)
{
    const qint64 seconds = milliseconds / 1000;
    return QString::asprintf("%02lld:%02lld:%02lld.%03lld", seconds / 3600, seconds / 60 % 60,
                             seconds % 60, milliseconds % 1000);
}

QString eventListText(int minutes, const QString &title)
{
    return showTimeOfDay12(minutes) + " :: " + title;
}

QString reminderDateText(const QDate &date)
{
    if (!date.isValid())
        return "00/00/0000";
    return QString::asprintf("%02d/%02d/%d", date.day(), date.month(), date.year());
}
