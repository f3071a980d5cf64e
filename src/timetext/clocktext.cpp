#include "timetext/clocktext.h"

#include "core/timesource.h"

namespace {

const char *const kWeekdays[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
const char *const kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                               "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

} // namespace

QString formatTitleText(const QString &productName, int hour, int minute, int second)
{
    return QString::asprintf("%s %02d:%02d:%02d", qUtf8Printable(productName), hour, minute, second);
}

QString formatDateTimeLine(const LocalTime &local)
{
    return QString::asprintf("%s %s %02d %02d:%02d:%02d %d", kWeekdays[local.weekday % 7],
                             kMonths[(local.month - 1) % 12], local.day, local.hour,
                             local.minute, local.second, local.year);
}
