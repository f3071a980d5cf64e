#pragma once

#include "face/facegeometry.h"

#include <QRect>

class QPainter;
class QString;
struct LocalTime;

// Paints the face at time: the dial, then the hands.
void paintClockFace(QPainter &painter, const FaceGeometry &face, const LocalTime &time,
                    const QString &makerName);

// What stays for an hour: hatched dial, twelve dots, the maker's name (placed
// by the hour) and the three lines that explain picking an alarm time.
void paintFaceDial(QPainter &painter, const FaceGeometry &face, int hour, const QString &makerName);
// What moves with the minute: the hour and minute hands.
void paintMinuteHands(QPainter &painter, const FaceGeometry &face, const LocalTime &time);
// What moves every second: the second hand, and the hub over all three hands.
void paintSecondHand(QPainter &painter, const FaceGeometry &face, const LocalTime &time);

// Where the dial and its three lines lie.
QRect dialArea(const FaceGeometry &face);
// Where the second hand lies at that time: all that a second changes while
// the minute stays.
QRect secondHandArea(const FaceGeometry &face, const LocalTime &time);
