#pragma once

#include <QString>

// A geographic coordinate as degrees, minutes and a direction letter.
struct AngleText
{
    short degrees = 0;
    short minutes = 0;
    QString direction;
};

inline constexpr int kLatitudeMaxDegrees = 90;
inline constexpr int kLongitudeMaxDegrees = 180;

// "%02d %02d %s", e.g. "23 43 N" or "120 59 E"; empty when degrees are outside
// 0..maxDegrees, minutes outside 0..59 or the direction is empty.
QString formatAngleText(int degrees, int minutes, const QString &direction,
                        int maxDegrees = kLatitudeMaxDegrees);

// Reads the form back: two-digit degrees, or three when the first blank follows
// them; a text shorter than seven characters gives 0, 0 and no direction.
AngleText parseAngleText(const QString &text);
