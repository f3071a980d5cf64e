#include "app/timetext/clocktext.h"

#include "app/timesource.h"

namespace {

const char *const kWeekdays[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
const char *const kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                               "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

} // namespace

QString FormatTitleText(const QString &productName, int hour, int minute, int second)
{
    return QString::asprintf("%s %02d:%02d:%02d", qUtf8Printable(productName), hour, minute, second);
}

QString FormatDateTimeLine(const LocalTime &local)
{
    return QString::asprintf("%s %s %02d %02d:%02d:%02d %d", kWeekdays[local.weekday % 7],
                             kMonths[(local.month - 1) % 12], local.day, local.hour,
                             local.minute, local.second, local.year);
}
