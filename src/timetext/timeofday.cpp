#include "timetext/timeofday.h"

#include "timetext/leadingdecimal.h"
#include "timetext/localdigits.h"

#include <QCoreApplication>

#include <algorithm>

TimeOfDay parseTimeOfDay(QString text)
{
    text = asciiDigits(text.trimmed());
    for (const bool pm : {false, true}) {
        if (const QString shown = halfOfDayName(pm); text.endsWith(shown) && shown.size() > 2)
            text = text.chopped(shown.size()).trimmed() + (pm ? " PM" : " AM");
    }
    text = text.toUpper();
    if (text.size() < 5 || text.indexOf(u':') != 2)
        return kNoTime;

    const bool am = text.endsWith(u"AM");
    const bool pm = text.endsWith(u"PM");
    // Between position 5 and the suffix nothing is looked at: "09:30xxAM" reads as 09:30 AM.
    if (text.size() > 5 && !am && !pm)
        return kNoTime;

    const QStringView hourField = QStringView(text).mid(0, 2);
    const QStringView minuteField = QStringView(text).mid(3, 2);
    const QString fields = hourField.toString() + minuteField.toString();
    if (std::none_of(fields.begin(), fields.end(), [](QChar c) { return c >= u'0' && c <= u'9'; }))
        return kNoTime;
    // A sign would let "-1:30" through with a negative total.
    if (startsWithSign(hourField) || startsWithSign(minuteField))
        return kNoTime;

    int hour = leadingDecimal(hourField);
    const int minute = leadingDecimal(minuteField);
    if (am && hour == 12)
        hour = 0;
    else if (pm && hour == 0)
        return kNoTime;
    else if (pm && hour != 12)
        hour += 12;   // 13..23 with "AM" stays as it is

    if (hour > 23 || minute > 59)
        return kNoTime;
    return hour * 60 + minute;
}

QString formatTimeOfDay12(TimeOfDay minutes)
{
    const int hour = minutes / 60;
    const int shownHour = hour % 12 == 0 ? 12 : hour % 12;
    const char *suffix = hour / 12 == 1 ? "PM" : "AM";
    return QString::asprintf("%02d:%02d %s", shownHour, minutes % 60, suffix);
}

QString halfOfDayName(bool pm)
{
    return pm ? QCoreApplication::translate("TimeOfDay", "PM") : QCoreApplication::translate("TimeOfDay", "AM");
}

QString showTimeOfDay12(TimeOfDay minutes)
{
    const QString text = formatTimeOfDay12(minutes);
    return localDigits(text.left(5)) + u' ' + halfOfDayName(text.endsWith(u"PM"));
}

QString timeFormatMessage(const QString &typed)
{
    return QCoreApplication::translate("TimeOfDay", "Time format [%1] may not be correct\nOr you might have "
                                                    "entered wrong time values\nFormat should be HH:MM or HH:MM "
                                                    "[AM or PM]")
        .arg(typed);
}
