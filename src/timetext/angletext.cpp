#include "timetext/angletext.h"

#include "timetext/leadingdecimal.h"

QString formatAngleText(int degrees, int minutes, const QString &direction, int maxDegrees)
{
    if (degrees < 0 || degrees > maxDegrees || minutes < 0 || minutes > 59 || direction.isEmpty())
        return {};
    return QString::asprintf("%02d %02d %s", degrees, minutes, qUtf8Printable(direction.toUpper()));
}

AngleText parseAngleText(const QString &text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.size() < 7)
        return {};
    const int degreeDigits = trimmed.indexOf(u' ') == 3 ? 3 : 2;
    AngleText angle;
    angle.degrees = short(leadingDecimal(QStringView(trimmed).mid(0, degreeDigits)));
    angle.minutes = short(leadingDecimal(QStringView(trimmed).mid(degreeDigits + 1, 2)));
    angle.direction = trimmed.right(1);
    return angle;
}
