#pragma once

#include "face/facegeometry.h"

#include <QRect>

class QPainter;
class QString;
struct LocalTime;

// Paints the face at time: hatched dial, twelve dots, the maker's name, the
// three lines that explain picking an alarm time, the hands and the hub.
void paintClockFace(QPainter &painter, const FaceGeometry &face, const LocalTime &time,
                    const QString &makerName);

// What changes from one second to the next: the dial with its hands and name.
QRect faceArea(const FaceGeometry &face);
