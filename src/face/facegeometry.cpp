#include "face/facegeometry.h"

#include <QSize>

#include <cmath>

namespace {

// The face's π, kept as the clock has always drawn with it.
constexpr double kPi = 3.1415926535;

// Truncation of a value that is never negative here (pixels on the surface,
// minutes on the dial); a value short of a whole number only by the rounding
// of π (539.9999999949 minutes straight above the centre) counts as that number.
int truncated(double value)
{
    constexpr double kRoundingOfPi = 1e-6;
    return int(value + kRoundingOfPi);
}

} // namespace

FaceGeometry faceBelow(const QSize &normalSize, int diameter)
{
    const int radius = diameter / 2;
    return {QPoint(normalSize.width() - radius - 10, normalSize.height() + radius), radius};
}

QPoint facePoint(const FaceGeometry &face, double v, double period, double f)
{
    const double angle = v / period * kPi * 2 + kPi * 0.5;
    const double reach = face.radius * f;
    return QPoint(truncated(face.centre.x() - std::cos(angle) * reach),
                  truncated(face.centre.y() - std::sin(angle) * reach));
}

HandEnds handEnds(const FaceGeometry &face, int hour, int minute, int second)
{
    const int hour12 = hour > 11 ? hour - 12 : hour;
    return {facePoint(face, hour12 * 60 + minute, 720, 0.5), facePoint(face, minute, 60, 0.65),
            facePoint(face, second, 60, 0.85)};
}

QPoint makerNamePosition(const FaceGeometry &face, int hour)
{
    const int hour12 = hour > 11 ? hour - 12 : hour;
    const bool handBelow = hour12 >= 3 && hour12 <= 8;
    return face.centre + QPoint(-35, handBelow ? -32 : 20);
}

std::optional<FaceReading> readingAt(const FaceGeometry &face, QPointF point)
{
    const double dx = point.x() - face.centre.x();
    const double dy = point.y() - face.centre.y();
    if (std::sqrt(dx * dx + dy * dy) > face.radius)
        return std::nullopt;
    double angle = std::atan2(dy, dx); // from 3 o'clock, clockwise on the screen
    if (angle < 0)
        angle += 2 * kPi;
    const int minutes = truncated(angle / (2 * kPi) * 720) % 720;
    int hour = minutes / 60 + 3;
    if (hour > 12)
        hour -= 12;
    return FaceReading{hour, minutes % 60};
}

QString pickedTimeText(FaceReading reading, const QString &halfOfDay)
{
    return QString::asprintf("%02d:%02d ", reading.hour, reading.minute) + halfOfDay;
}

QString withHalfOfDayLetter(QString text, QChar letter)
{
    if (text.size() >= 2)
        text[text.size() - 2] = letter;
    return text;
}
