#include "app/timetext/angletext.h"

#include "app/timetext/leadingdecimal.h"

QString FormatAngleText(int degrees, int minutes, const QString &direction)
{
    if (degrees < 0 || degrees > 90 || minutes < 0 || minutes > 59 || direction.isEmpty())
        return {};
    return QString::asprintf("%02d %02d %s", degrees, minutes, qUtf8Printable(direction.toUpper()));
}

AngleText ParseAngleText(const QString &text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.size() < 7)
        return {};
    AngleText angle;
    angle.degrees = short(LeadingDecimal(QStringView(trimmed).mid(0, 2)));
    angle.minutes = short(LeadingDecimal(QStringView(trimmed).mid(3, 2)));
    angle.direction = trimmed.right(1);
    return angle;
}
