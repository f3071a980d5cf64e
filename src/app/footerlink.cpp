#include "app/footerlink.h"

#include "app/clocksurface.h"

#include <QMouseEvent>

FooterLink::FooterLink(ClockSurface *surface, const QRect &area, std::function<void()> open)
    : QObject(surface)
    , m_surface(surface)
    , m_area(area)
    , m_open(std::move(open))
{
    surface->setMouseTracking(true);
    surface->installEventFilter(this);
}

// The hand follows the text as last painted (the footer's area before the
// first paint); only entering and leaving change the cursor, so that other
// parts of the surface keep theirs.
void FooterLink::pointAt(const QPoint &position)
{
    const QRect text = m_surface->footerBounds().isNull() ? m_area : m_surface->footerBounds();
    const bool over = text.contains(position);
    if (over == m_overLink)
        return;
    m_overLink = over;
    if (over)
        m_surface->setCursor(Qt::PointingHandCursor);
    else
        m_surface->unsetCursor();
}

bool FooterLink::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_surface)
        return false;
    if (event->type() == QEvent::MouseMove) {
        pointAt(static_cast<QMouseEvent *>(event)->position().toPoint());
    } else if (event->type() == QEvent::MouseButtonRelease) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        const int y = mouse->position().toPoint().y();
        // Any x: the band of rows is the link, wider than the text itself.
        if (mouse->button() == Qt::LeftButton && y >= m_area.top() && y <= m_area.bottom())
            m_open();
    }
    return false;
}
