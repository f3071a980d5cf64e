#include "app/timetext/angletext.h"

#include "app/timetext/leadingdecimal.h"

QString FormatAngleText(int degrees, int minutes, const QString &direction, int maxDegrees)
{
    if (degrees < 0 || degrees > maxDegrees || minutes < 0 || minutes > 59 || direction.isEmpty())
        return {};
    return QString::asprintf("%02d %02d %s", degrees, minutes, qUtf8Printable(direction.toUpper()));
}

AngleText ParseAngleText(const QString &text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.size() < 7)
        return {};
    const int degreeDigits = trimmed.indexOf(u' ') == 3 ? 3 : 2;
    AngleText angle;
    angle.degrees = short(LeadingDecimal(QStringView(trimmed).mid(0, degreeDigits)));
    angle.minutes = short(LeadingDecimal(QStringView(trimmed).mid(degreeDigits + 1, 2)));
    angle.direction = trimmed.right(1);
    return angle;
}
