#pragma once

#include <QDBusArgument>
#include <QList>
#include <QMetaType>
#include <QString>
#include <QVariantMap>

class QIcon;

// The structures a StatusNotifierItem and its exported menu carry over the
// session bus, with the signatures the KDE and Canonical interfaces give them.

// (iiay): one size of an icon, ARGB32 in network byte order.
struct TrayIconPixmap
{
    int width = 0;
    int height = 0;
    QByteArray argb;
};
using TrayIconPixmaps = QList<TrayIconPixmap>;

// (sa(iiay)ss): a tip with a title line and the lines under it.
struct TrayToolTip
{
    QString iconName;
    TrayIconPixmaps pixmaps;
    QString title;
    QString description;
};

// (ia{sv}av): one menu entry and, wrapped in variants, its children.
struct TrayMenuLayout
{
    int id = 0;
    QVariantMap properties;
    QList<TrayMenuLayout> children;
};

// (ia{sv}): one entry's properties alone.
struct TrayMenuItem
{
    int id = 0;
    QVariantMap properties;
};
using TrayMenuItems = QList<TrayMenuItem>;

Q_DECLARE_METATYPE(TrayIconPixmap)
Q_DECLARE_METATYPE(TrayToolTip)
Q_DECLARE_METATYPE(TrayMenuLayout)
Q_DECLARE_METATYPE(TrayMenuItem)

QDBusArgument &operator<<(QDBusArgument &argument, const TrayIconPixmap &pixmap);
const QDBusArgument &operator>>(const QDBusArgument &argument, TrayIconPixmap &pixmap);
QDBusArgument &operator<<(QDBusArgument &argument, const TrayToolTip &tip);
const QDBusArgument &operator>>(const QDBusArgument &argument, TrayToolTip &tip);
QDBusArgument &operator<<(QDBusArgument &argument, const TrayMenuLayout &layout);
const QDBusArgument &operator>>(const QDBusArgument &argument, TrayMenuLayout &layout);
QDBusArgument &operator<<(QDBusArgument &argument, const TrayMenuItem &item);
const QDBusArgument &operator>>(const QDBusArgument &argument, TrayMenuItem &item);

// Once, before any of them goes over the bus.
void registerTrayItemTypes();

// The sizes a panel picks from.
TrayIconPixmaps trayIconPixmaps(const QIcon &icon);
