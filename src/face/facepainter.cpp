#include "face/facepainter.h"

#include "core/timesource.h"

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QCoreApplication>

namespace {

const QColor kHatch(200, 200, 155);
const QColor kRim(255, 180, 255);
const QColor kDotsAndHourHand(150, 150, 20);
const QColor kMinuteHand(130, 20, 0);
const QColor kSecondHand(0, 0, 255);
const QColor kHub(255, 100, 255);
const QColor kMakerName(0, 0, 255);
const QColor kInstruction(255, 0, 25);
const QColor kAmPmInstruction(0, 70, 255);
// The last of the three lines ends this far below the centre (pixels).
constexpr int kLabelsBelowCentre = 56;

// The outline lies inside the bounding box, as the face was always drawn.
void drawInsideFrame(QPainter &painter, const QRect &box, const QColor &colour, int width)
{
    painter.setPen(QPen(colour, width));
    const double inset = width / 2.0;
    painter.drawEllipse(QRectF(box).adjusted(inset, inset, -inset, -inset));
}

QRect around(QPoint centre, int half)
{
    return QRect(centre - QPoint(half, half), centre + QPoint(half, half));
}

// The hub is painted once and copied each second: its thick outline costs
// more than the rest of a second's repaint.
constexpr int kHubHalf = 8;
constexpr int kHubMargin = 2;

void drawHub(QPainter &painter, QPoint centre)
{
    const int dpr = qMax(1, qRound(painter.device()->devicePixelRatioF()));
    static QImage hub;
    if (hub.devicePixelRatio() != dpr || hub.isNull()) {
        const int side = 2 * (kHubHalf + kHubMargin) + 1;
        hub = QImage(side * dpr, side * dpr, QImage::Format_ARGB32_Premultiplied);
        hub.setDevicePixelRatio(dpr);
        hub.fill(Qt::transparent);
        QPainter hubPainter(&hub);
        hubPainter.setBrush(kHub);
        const int middle = kHubHalf + kHubMargin;
        drawInsideFrame(hubPainter, around(QPoint(middle, middle), kHubHalf), kRim, 3);
    }
    const int middle = kHubHalf + kHubMargin;
    painter.drawImage(centre - QPoint(middle, middle), hub);
}

// Text placed by its top-left corner.
void drawTextAt(QPainter &painter, QPoint topLeft, const QColor &colour, const QString &text)
{
    painter.setPen(colour);
    painter.drawText(topLeft + QPoint(0, painter.fontMetrics().ascent()), text);
}

void drawLabels(QPainter &painter, const FaceGeometry &face, int hour, const QString &makerName)
{
    QFont font("Times New Roman");
    font.setStyleHint(QFont::Serif);
    font.setPixelSize(12); // a text cell 14 pixels high
    font.setBold(true);
    painter.setFont(font);
    const int x = 5;
    const int y = face.centre.y();
    drawTextAt(painter, makerNamePosition(face, hour), kMakerName, makerName);
    drawTextAt(painter, {x, y + 13}, kInstruction, QCoreApplication::translate("FacePainter", "Select alarm time by mouse"));
    drawTextAt(painter, {x, y + 25}, kInstruction, QCoreApplication::translate("FacePainter", "Click to transfer"));
    drawTextAt(painter, {x, y + 40}, kAmPmInstruction, QCoreApplication::translate("FacePainter", "\"AM\" button to SELECT AM/PM"));
}

} // namespace

void paintClockFace(QPainter &painter, const FaceGeometry &face, const LocalTime &time,
                    const QString &makerName)
{
    paintFaceDial(painter, face, time.hour, makerName);
    paintMinuteHands(painter, face, time);
    paintSecondHand(painter, face, time);
}

void paintFaceDial(QPainter &painter, const FaceGeometry &face, int hour, const QString &makerName)
{
    painter.save();
    // The hatch lies on opaque white, so each paint wipes the last hands.
    painter.setBackgroundMode(Qt::OpaqueMode);
    painter.setBackground(Qt::white);
    painter.setBrush(QBrush(kHatch, Qt::DiagCrossPattern));
    drawInsideFrame(painter, around(face.centre, face.radius), kRim, 3);

    for (int i = 0; i < 12; ++i)
        drawInsideFrame(painter, around(facePoint(face, i, 12, 0.97), 2), kDotsAndHourHand, 3);

    painter.setBackgroundMode(Qt::TransparentMode);
    drawLabels(painter, face, hour, makerName);
    painter.restore();
}

void paintMinuteHands(QPainter &painter, const FaceGeometry &face, const LocalTime &time)
{
    painter.save();
    const HandEnds hands = handEnds(face, time.hour, time.minute, time.second);
    painter.setPen(QPen(kDotsAndHourHand, 3));
    painter.drawLine(face.centre, hands.hour);
    painter.setPen(QPen(kMinuteHand, 2));
    painter.drawLine(face.centre, hands.minute);
    painter.restore();
}

void paintSecondHand(QPainter &painter, const FaceGeometry &face, const LocalTime &time)
{
    painter.save();
    painter.setPen(QPen(kSecondHand, 1));
    painter.drawLine(face.centre, handEnds(face, time.hour, time.minute, time.second).second);
    drawHub(painter, face.centre);
    painter.restore();
}

QRect dialArea(const FaceGeometry &face)
{
    // The three lines start at the left edge and end a little below the dial.
    const QRect dial = around(face.centre, face.radius).adjusted(0, 0, 1, 1);
    return dial.united(QRect(0, face.centre.y(), dial.right() + 1, kLabelsBelowCentre));
}

QRect secondHandArea(const FaceGeometry &face, const LocalTime &time)
{
    const QPoint tip = handEnds(face, time.hour, time.minute, time.second).second;
    return QRect(face.centre, tip).normalized().adjusted(-2, -2, 2, 2);
}
