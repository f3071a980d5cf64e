#pragma once

#include "app/trayitemtypes.h"

#include <QDBusAbstractAdaptor>
#include <QIcon>
#include <QObject>

class QDBusServiceWatcher;
class QMenu;

// The clock's icon as a StatusNotifierItem on the session bus, for panels
// that host such items (KDE Plasma, GNOME's AppIndicator extension, most
// Wayland panels), with its menu exported beside it. It registers with the
// panel's watcher whenever one appears, at start-up or later, and again
// after a panel restart. Nothing here waits for the panel.
class StatusNotifierItem : public QObject
{
    Q_OBJECT

public:
    static constexpr char kWatcherService[] = "org.kde.StatusNotifierWatcher";

    StatusNotifierItem(const QIcon &icon, QMenu *menu, QObject *parent = nullptr);
    ~StatusNotifierItem() override;

    // Whether a watcher is on the session bus now.
    static bool watcherPresent();

    void show();
    void hide();
    bool isShown() const { return m_shown; }

    void setIcon(const QIcon &icon);
    void setToolTip(const QString &title, const QString &description);
    // "NeedsAttention" while on, else "Active".
    void setNeedsAttention(bool on);

    QString statusText() const { return m_needsAttention ? "NeedsAttention" : "Active"; }
    TrayIconPixmaps iconPixmaps() const { return m_pixmaps; }
    TrayToolTip toolTip() const { return m_toolTip; }

signals:
    void watcherAppeared();
    void activated();
    void contextMenuRequested(const QPoint &globalPos);
    void iconChanged();
    void toolTipChanged();
    void statusChanged(const QString &status);

private:
    void registerWithWatcher();

    QString m_serviceName;
    QObject *m_menuHost;
    QDBusServiceWatcher *m_watcher;
    TrayIconPixmaps m_pixmaps;
    TrayToolTip m_toolTip;
    bool m_needsAttention = false;
    bool m_shown = false;
};

// The org.kde.StatusNotifierItem interface of the item above.
class StatusNotifierItemAdaptor : public QDBusAbstractAdaptor
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.StatusNotifierItem")
    Q_PROPERTY(QString Category READ category)
    Q_PROPERTY(QString Id READ id)
    Q_PROPERTY(QString Title READ title)
    Q_PROPERTY(QString Status READ status)
    Q_PROPERTY(int WindowId READ windowId)
    Q_PROPERTY(QString IconName READ iconName)
    Q_PROPERTY(TrayIconPixmaps IconPixmap READ iconPixmap)
    Q_PROPERTY(QString AttentionIconName READ attentionIconName)
    Q_PROPERTY(TrayIconPixmaps AttentionIconPixmap READ iconPixmap)
    Q_PROPERTY(TrayToolTip ToolTip READ toolTip)
    Q_PROPERTY(bool ItemIsMenu READ itemIsMenu)
    Q_PROPERTY(QDBusObjectPath Menu READ menu)

public:
    explicit StatusNotifierItemAdaptor(StatusNotifierItem *item);

    QString category() const { return QStringLiteral("ApplicationStatus"); }
    QString id() const { return QStringLiteral("chimewise"); }
    QString title() const { return QStringLiteral("Chimewise"); }
    QString status() const { return m_item->statusText(); }
    int windowId() const { return 0; }
    // Empty: the pixmaps are the icon, and they change while a sound rings.
    QString iconName() const { return {}; }
    QString attentionIconName() const { return {}; }
    TrayIconPixmaps iconPixmap() const { return m_item->iconPixmaps(); }
    TrayToolTip toolTip() const { return m_item->toolTip(); }
    bool itemIsMenu() const { return false; }
    QDBusObjectPath menu() const;

public slots:
    void Activate(int x, int y);
    void SecondaryActivate(int x, int y);
    void ContextMenu(int x, int y);
    void Scroll(int delta, const QString &orientation);

signals:
    void NewTitle();
    void NewIcon();
    void NewAttentionIcon();
    void NewToolTip();
    void NewStatus(const QString &status);

private:
    StatusNotifierItem *m_item;
};
