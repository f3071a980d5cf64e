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

// Made every second for the tray's tip, hidden or not: digit by digit, which
// costs a tenth of snprintf.
QString formatTitleText(const QString &productName, int hour, int minute, int second)
{
    const auto tens = [](int value) { return QLatin1Char(char('0' + value / 10 % 10)); };
    const auto units = [](int value) { return QLatin1Char(char('0' + value % 10)); };
    const QChar time[] = {u' ', tens(hour), units(hour), u':', tens(minute), units(minute),
                          u':', tens(second), units(second)};
    return productName + localDigits(QString(time, std::size(time)));
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
