#include "timetext/clocktext.h"

#include "core/timesource.h"
#include "timetext/localdigits.h"

#include <QDateTime>
#include <QLocale>

#include <cstdio>

namespace {

const char *const kWeekdays[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
const char *const kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                               "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

// Both texts are made every second: snprintf and a Latin-1 copy cost a tenth
// of QString::asprintf.
template <size_t N>
QLatin1StringView printed(char (&buffer)[N], int length)
{
    return QLatin1StringView(buffer, qBound(0, length, int(N) - 1));
}

} // namespace

QString formatTitleText(const QString &productName, int hour, int minute, int second)
{
    char time[40];
    return productName
           + localDigits(printed(time, std::snprintf(time, sizeof time, " %02d:%02d:%02d", hour, minute, second)));
}

QString formatDateTimeLine(const LocalTime &local)
{
    const QLocale locale;
    if (locale.language() != QLocale::English && locale.language() != QLocale::C) {
        // Names and digits of the interface language, in the same order.
        const QDateTime moment(QDate(local.year, local.month, local.day),
                               QTime(local.hour, local.minute, local.second));
        return locale.toString(moment, QStringLiteral("ddd MMM dd HH:mm:ss yyyy"));
    }
    char line[80];
    const int length = std::snprintf(line, sizeof line, "%s %s %02d %02d:%02d:%02d %d", kWeekdays[local.weekday % 7],
                                     kMonths[(local.month - 1) % 12], local.day, local.hour, local.minute,
                                     local.second, local.year);
    return printed(line, length);
}
