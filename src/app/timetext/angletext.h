#pragma once

#include <QString>

// A geographic coordinate as degrees, minutes and a direction letter.
struct AngleText
{
    short degrees = 0;
    short minutes = 0;
    QString direction;
};

// "%02d %02d %s", e.g. "23 43 N"; empty when degrees are outside 0..90,
// minutes outside 0..59 or the direction is empty.
QString FormatAngleText(int degrees, int minutes, const QString &direction);

// Reads the seven-character form back; a shorter text gives 0, 0 and no direction.
AngleText ParseAngleText(const QString &text);
