#pragma once

#include <QPoint>
#include <QPointF>
#include <QString>

#include <optional>

class QSize;

// Where the clock face lies on the main dialog's surface (pixels).
struct FaceGeometry
{
    QPoint centre;
    int radius = 50;
};

// The face below a client area of normalSize: its centre 60 pixels left of
// the right edge and 50 pixels below the normal area.
FaceGeometry faceBelow(const QSize &normalSize, int diameter);

// The point at v of a full turn of period, at fraction f of the radius:
// v = 0 points straight up and a growing v turns clockwise.
QPoint facePoint(const FaceGeometry &face, double v, double period, double f);

struct HandEnds
{
    QPoint hour;
    QPoint minute;
    QPoint second;
};

// hour 0..23, minute and second 0..59.
HandEnds handEnds(const FaceGeometry &face, int hour, int minute, int second);

// Top-left of the maker's name, kept away from the hour hand: above the
// centre while that hand is in the lower half of the face (3 to 8 o'clock).
QPoint makerNamePosition(const FaceGeometry &face, int hour);

// The time a pointer picks on the face: hour 1..12, minute 0..59.
struct FaceReading
{
    int hour = 12;
    int minute = 0;
};

// Half a degree per minute, clockwise; nothing outside the face.
std::optional<FaceReading> readingAt(const FaceGeometry &face, QPointF point);

// "%02d:%02d %s" with "AM" or "PM".
QString pickedTimeText(FaceReading reading, const QString &halfOfDay);

// The picked text with its half of the day changed to letter ('A' or 'P');
// a text too short to hold one is returned as it is.
QString withHalfOfDayLetter(QString text, QChar letter);
