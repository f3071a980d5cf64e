#pragma once

#include "core/timesource.h"
#include "face/facegeometry.h"

#include <QPixmap>
#include <QTime>
#include <QWidget>

#include <optional>

// The main dialog's own surface: carries the controls of the form, paints
// the footer line and the clock face, and reports the mouse where no
// control took it. Controls it cuts off (the clock-face extension's while the
// face is hidden) take no keyboard focus.
class ClockSurface : public QWidget
{
    Q_OBJECT

public:
    explicit ClockSurface(QWidget *parent = nullptr);

    // The footer is drawn centred in area (in surface coordinates).
    void setFooter(const QString &text, const QRect &area);
    // Bounding box of the footer text as last painted.
    QRect footerBounds() const { return m_footerBounds; }

    // The face painted below the normal area, or none.
    void setClockFace(std::optional<FaceGeometry> face);
    // The time the face shows; repaints what moved: the second hand, or
    // when the minute changes the face.
    void showFaceTime(const LocalTime &time);

signals:
    void rightClicked(const QPoint &globalPos);
    void pointerMoved(const QPointF &pos);
    void leftReleased(const QPointF &pos);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void keepCutOffControlsOutOfReach();
    // The dial with the hour and minute hands, kept while the minute lasts.
    const QPixmap &dial();

    QString m_footerText;
    QRect m_footerArea;
    QRect m_footerBounds;
    std::optional<FaceGeometry> m_face;
    LocalTime m_faceTime;
    QPixmap m_dial;
    std::optional<QTime> m_dialMinute; // the hour and minute the dial shows
};
