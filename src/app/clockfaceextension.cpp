#include "app/clockfaceextension.h"

#include "app/clocksurface.h"
#include "core/profilesettings.h"
#include "face/alarmtimepicker.h"

#include <QApplication>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>

namespace {

// The picked-time field and the AM button lie in the extension, this far
// below the normal area (pixels).
const QRect kPickedTimeArea(5, 38, 60, 24);
const QRect kAmPmArea(67, 38, 37, 24);

} // namespace

ClockFaceExtension::ClockFaceExtension(ClockSurface *surface, const Controls &controls,
                                       ProfileSettings &settings, QObject *parent)
    : QObject(parent)
    , m_surface(surface)
    , m_controls(controls)
    , m_settings(settings)
    , m_picker(new AlarmTimePicker(controls.pickedTimeEdit, controls.amPmButton, this))
{
    connect(m_controls.timeButton, &QPushButton::clicked, this, &ClockFaceExtension::toggle);
    connect(m_surface, &ClockSurface::pointerMoved, this, &ClockFaceExtension::onPointerMoved);
    connect(m_surface, &ClockSurface::leftReleased, this, &ClockFaceExtension::onLeftReleased);
}

void ClockFaceExtension::layOut()
{
    m_normalSize = m_surface->size();
    m_face = faceBelow(m_normalSize, kDiameter);
    m_controls.pickedTimeEdit->setGeometry(kPickedTimeArea.translated(0, m_normalSize.height()));
    m_controls.amPmButton->setGeometry(kAmPmArea.translated(0, m_normalSize.height()));
    m_shown = m_settings.readClockFaceShown() != 0;
    apply();
}

void ClockFaceExtension::toggle()
{
    m_shown = !m_shown;
    apply();
    m_settings.setClockFaceShown(m_shown);
}

// The window grows or shrinks with the surface and keeps its place.
void ClockFaceExtension::apply()
{
    const int extension = m_shown ? kDiameter + 10 : 0;
    m_surface->setFixedSize(m_normalSize.width(), m_normalSize.height() + extension);
    m_surface->setClockFace(m_shown ? std::optional(m_face) : std::nullopt);
    if (QLayout *layout = m_surface->parentWidget() ? m_surface->parentWidget()->layout() : nullptr)
        layout->activate();
}

void ClockFaceExtension::showTime(const LocalTime &time)
{
    if (m_shown)
        m_surface->showFaceTime(time);
}

void ClockFaceExtension::onPointerMoved(const QPointF &pos)
{
    if (m_shown && m_picker->pointAt(m_face, pos))
        m_surface->setCursor(AlarmTimePicker::faceCursor());
    else if (m_surface->footerBounds().contains(pos.toPoint()))
        m_surface->setCursor(Qt::PointingHandCursor);
    else
        m_surface->unsetCursor();
}

// The slot itself changes only when the user presses Set.
void ClockFaceExtension::onLeftReleased(const QPointF &pos)
{
    if (!m_shown || !readingAt(m_face, pos))
        return;
    m_controls.alarmTimeEdit->setText(m_picker->pickedText());
    QApplication::beep();
}
