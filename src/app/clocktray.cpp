#include "app/clocktray.h"

#include <QSystemTrayIcon>

ClockTray::ClockTray(const QIcon &icon, QMenu *popup, QObject *parent)
    : QObject(parent)
    , m_icon(new QSystemTrayIcon(icon, this))
{
    // The popup opens on a right click by itself.
    m_icon->setContextMenu(popup);
    connect(m_icon, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        if (reason == QSystemTrayIcon::Trigger)
            emit leftClicked();
    });
}

bool ClockTray::available()
{
    return QSystemTrayIcon::isSystemTrayAvailable();
}

void ClockTray::add(const QString &tip)
{
    if (m_icon->isVisible())
        return;
    setTip(tip);
    m_icon->show();
}

void ClockTray::remove()
{
    m_icon->hide();
}

void ClockTray::setTip(const QString &tip)
{
    m_icon->setToolTip(tip.left(kMaxTipLength));
}

bool ClockTray::isPresent() const
{
    return m_icon->isVisible();
}

QString ClockTray::tip() const
{
    return m_icon->toolTip();
}
