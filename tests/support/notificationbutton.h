#pragma once

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>

// The user presses a button of a notification shown by python-dbusmock's
// notification daemon on the session bus: the daemon says so as the desktop would.
inline void pressNotificationButton(uint id, const QString &action)
{
    QDBusMessage press = QDBusMessage::createMethodCall("org.freedesktop.Notifications", "/org/freedesktop/Notifications",
                                                        "org.freedesktop.DBus.Mock", "EmitSignal");
    press << "org.freedesktop.Notifications" << "ActionInvoked" << "us"
          << QVariantList{QVariant::fromValue(QDBusVariant(id)), QVariant::fromValue(QDBusVariant(action))};
    QDBusConnection::sessionBus().call(press);
}
