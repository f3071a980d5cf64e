#include "app/clocksurface.h"

#include "face/facepainter.h"

#include <QMouseEvent>
#include <QPainter>

namespace {

const QColor kFooterColour(0, 0, 254);
const char kMakerName[] = "Chimewise";
// Where a cut-off control keeps the focus policy it had.
const char kReachableFocus[] = "reachableFocusPolicy";

} // namespace

ClockSurface::ClockSurface(QWidget *parent)
    : QWidget(parent)
{
    setMouseTracking(true); // the face shows the time under the pointer
}

void ClockSurface::setFooter(const QString &text, const QRect &area)
{
    m_footerText = text;
    m_footerArea = area;
    m_footerBounds = area; // until the first paint
    update(area);
}

void ClockSurface::setClockFace(std::optional<FaceGeometry> face)
{
    m_face = face;
    m_dial = QPixmap();
    update();
}

void ClockSurface::showFaceTime(const LocalTime &time)
{
    const LocalTime shown = std::exchange(m_faceTime, time);
    if (!m_face)
        return;
    if (shown.hour == time.hour && shown.minute == time.minute)
        update(secondHandArea(*m_face, shown).united(secondHandArea(*m_face, time)));
    else
        update(dialArea(*m_face));
}

const QPixmap &ClockSurface::dial()
{
    const QTime minute(m_faceTime.hour, m_faceTime.minute);
    if (m_dial.isNull() || m_dialMinute != minute) {
        const QRect area = dialArea(*m_face);
        m_dial = QPixmap(area.size() * devicePixelRatioF());
        m_dial.setDevicePixelRatio(devicePixelRatioF());
        m_dial.fill(palette().color(backgroundRole()));
        QPainter painter(&m_dial);
        painter.translate(-area.topLeft());
        paintFaceDial(painter, *m_face, m_faceTime.hour, kMakerName);
        paintMinuteHands(painter, *m_face, m_faceTime);
        m_dialMinute = minute;
    }
    return m_dial;
}

// Each paint draws only what its area holds: the controls and the status
// line repaint themselves every second, the cursor blinks in a field.
void ClockSurface::paintEvent(QPaintEvent *event)
{
    QWidget::paintEvent(event);
    QPainter painter(this);
    if (m_face && event->rect().intersects(dialArea(*m_face))) {
        painter.drawPixmap(dialArea(*m_face).topLeft(), dial());
        paintSecondHand(painter, *m_face, m_faceTime);
    }
    if (m_footerText.isEmpty() || !event->rect().intersects(m_footerArea))
        return;
    painter.setPen(kFooterColour);
    const QRect drawn = painter.boundingRect(m_footerArea, Qt::AlignCenter, m_footerText);
    painter.drawText(m_footerArea, Qt::AlignCenter, m_footerText);
    m_footerBounds = drawn;
}

void ClockSurface::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::RightButton) {
        emit rightClicked(event->globalPosition().toPoint());
        event->accept();
        return;
    }
    QWidget::mousePressEvent(event);
}

void ClockSurface::mouseMoveEvent(QMouseEvent *event)
{
    emit pointerMoved(event->position());
    QWidget::mouseMoveEvent(event);
}

void ClockSurface::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        emit leftReleased(event->position());
    QWidget::mouseReleaseEvent(event);
}

void ClockSurface::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    keepCutOffControlsOutOfReach();
}

void ClockSurface::keepCutOffControlsOutOfReach()
{
    for (QWidget *control : findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        const QVariant kept = control->property(kReachableFocus);
        const bool cutOff = !rect().contains(control->geometry());
        if (cutOff && !kept.isValid()) {
            control->setProperty(kReachableFocus, int(control->focusPolicy()));
            control->setFocusPolicy(Qt::NoFocus);
        } else if (!cutOff && kept.isValid()) {
            control->setFocusPolicy(Qt::FocusPolicy(kept.toInt()));
            control->setProperty(kReachableFocus, QVariant());
        }
    }
}
