#include "app/statusnotifieritem.h"

#include "app/dbusmenuexporter.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusServiceWatcher>
#include <QTimer>

namespace {

const char kItemPath[] = "/StatusNotifierItem";
const char kMenuPath[] = "/MenuBar";
const char kWatcherPath[] = "/StatusNotifierWatcher";

} // namespace

StatusNotifierItem::StatusNotifierItem(const QIcon &icon, QMenu *menu, QObject *parent)
    : QObject(parent)
    , m_serviceName(QString("org.kde.StatusNotifierItem-%1-1").arg(QCoreApplication::applicationPid()))
    , m_menuHost(new QObject(this))
    , m_watcher(new QDBusServiceWatcher(kWatcherService, QDBusConnection::sessionBus(),
                                        QDBusServiceWatcher::WatchForRegistration, this))
    , m_pixmaps(trayIconPixmaps(icon))
{
    registerTrayItemTypes();
    auto *adaptor = new StatusNotifierItemAdaptor(this);
    new DBusMenuExporter(menu, m_menuHost);
    connect(this, &StatusNotifierItem::iconChanged, adaptor, &StatusNotifierItemAdaptor::NewIcon);
    connect(this, &StatusNotifierItem::iconChanged, adaptor, &StatusNotifierItemAdaptor::NewAttentionIcon);
    connect(this, &StatusNotifierItem::toolTipChanged, adaptor, &StatusNotifierItemAdaptor::NewToolTip);
    connect(this, &StatusNotifierItem::statusChanged, adaptor, &StatusNotifierItemAdaptor::NewStatus);
    // A panel that starts after the clock, or starts again, learns of the item anew.
    connect(m_watcher, &QDBusServiceWatcher::serviceRegistered, this, [this] {
        if (m_shown)
            registerWithWatcher();
        emit watcherAppeared();
    });
}

StatusNotifierItem::~StatusNotifierItem()
{
    hide();
}

bool StatusNotifierItem::watcherPresent()
{
    const QDBusConnection bus = QDBusConnection::sessionBus();
    return bus.isConnected() && bus.interface()->isServiceRegistered(kWatcherService);
}

void StatusNotifierItem::show()
{
    if (m_shown)
        return;
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return;
    m_shown = bus.registerObject(kItemPath, this, QDBusConnection::ExportAdaptors)
              && bus.registerObject(kMenuPath, m_menuHost, QDBusConnection::ExportAdaptors)
              && bus.registerService(m_serviceName);
    if (m_shown)
        registerWithWatcher();
    else
        hide();
}

void StatusNotifierItem::hide()
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return;
    // Leaving the bus name is how an item leaves the panel.
    bus.unregisterService(m_serviceName);
    bus.unregisterObject(kMenuPath);
    bus.unregisterObject(kItemPath);
    m_shown = false;
}

void StatusNotifierItem::setIcon(const QIcon &icon)
{
    m_pixmaps = trayIconPixmaps(icon);
    emit iconChanged();
}

void StatusNotifierItem::setToolTip(const QString &title, const QString &description)
{
    if (m_toolTip.title == title && m_toolTip.description == description)
        return;
    m_toolTip.title = title;
    m_toolTip.description = description;
    emit toolTipChanged();
}

void StatusNotifierItem::setNeedsAttention(bool on)
{
    if (std::exchange(m_needsAttention, on) != on)
        emit statusChanged(statusText());
}

void StatusNotifierItem::registerWithWatcher()
{
    QDBusMessage call = QDBusMessage::createMethodCall(kWatcherService, kWatcherPath, kWatcherService,
                                                       "RegisterStatusNotifierItem");
    call << m_serviceName;
    QDBusConnection::sessionBus().asyncCall(call);
}

StatusNotifierItemAdaptor::StatusNotifierItemAdaptor(StatusNotifierItem *item)
    : QDBusAbstractAdaptor(item)
    , m_item(item)
{
}

QDBusObjectPath StatusNotifierItemAdaptor::menu() const
{
    return QDBusObjectPath(kMenuPath);
}

// Answered first: the window it shows may take a moment to come up.
void StatusNotifierItemAdaptor::Activate(int, int)
{
    QTimer::singleShot(0, m_item, &StatusNotifierItem::activated);
}

void StatusNotifierItemAdaptor::SecondaryActivate(int, int)
{
}

void StatusNotifierItemAdaptor::ContextMenu(int x, int y)
{
    QTimer::singleShot(0, m_item, [item = m_item, x, y] { emit item->contextMenuRequested(QPoint(x, y)); });
}

void StatusNotifierItemAdaptor::Scroll(int, const QString &)
{
}
