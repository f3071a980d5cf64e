#include "app/footerlink.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>

#include <utility>

namespace {

class FooterLinkAccessible : public QAccessibleWidget
{
public:
    explicit FooterLinkAccessible(FooterLink *link) : QAccessibleWidget(link, QAccessible::Link) {}

    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString &action) override
    {
        if (action == pressAction())
            static_cast<FooterLink *>(widget())->press();
    }
};

QAccessibleInterface *footerLinkAccessible(const QString &, QObject *object)
{
    auto *link = qobject_cast<FooterLink *>(object);
    return link ? new FooterLinkAccessible(link) : nullptr;
}

} // namespace

FooterLink::FooterLink(const QString &text, const QRect &area, QWidget *surface, std::function<void()> open)
    : QWidget(surface)
    , m_open(std::move(open))
{
    static bool announcedAsLink = false;
    if (!std::exchange(announcedAsLink, true))
        QAccessible::installFactory(footerLinkAccessible);
    setObjectName("footerLink");
    setAccessibleName(text);
    setGeometry(area);
    setFocusPolicy(Qt::StrongFocus);
    // Clicks on this control are left to the surface, which also gets those
    // beside it; the surface sets the pointing hand over the text.
    surface->installEventFilter(this);
}

void FooterLink::press()
{
    m_open();
}

bool FooterLink::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == parent() && event->type() == QEvent::MouseButtonRelease) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        const int y = mouse->position().toPoint().y();
        if (mouse->button() == Qt::LeftButton && y >= geometry().top() && y <= geometry().bottom())
            press();
    }
    return false;
}

void FooterLink::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        press();
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

// The surface paints the text; this only shows where the keyboard is.
void FooterLink::paintEvent(QPaintEvent *)
{
    if (!hasFocus())
        return;
    QPainter painter(this);
    QStyleOptionFocusRect focus;
    focus.initFrom(this);
    focus.rect = fontMetrics().boundingRect(rect(), Qt::AlignCenter, accessibleName()).adjusted(-2, 0, 2, 0);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
}
