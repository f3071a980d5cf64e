#include "app/clocksurface.h"

#include <QMouseEvent>
#include <QPainter>

namespace {

const QColor kFooterColour(0, 0, 254);
// Where a cut-off control keeps the focus policy it had.
const char kReachableFocus[] = "reachableFocusPolicy";

} // namespace

ClockSurface::ClockSurface(QWidget *parent)
    : QWidget(parent)
{
}

void ClockSurface::setFooter(const QString &text, const QRect &area)
{
    m_footerText = text;
    m_footerArea = area;
    update(area);
}

void ClockSurface::paintEvent(QPaintEvent *event)
{
    QWidget::paintEvent(event);
    if (m_footerText.isEmpty())
        return;
    QPainter painter(this);
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
