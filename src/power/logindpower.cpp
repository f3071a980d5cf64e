#include "power/logindpower.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>

LogindPower::LogindPower(const QDBusConnection &bus, QObject *parent)
    : QObject(parent)
    , m_bus(bus)
{
}

void LogindPower::requestShutdown(bool powerOff)
{
    QDBusMessage call = QDBusMessage::createMethodCall(
        "org.freedesktop.login1", "/org/freedesktop/login1", "org.freedesktop.login1.Manager",
        powerOff ? "PowerOff" : "Halt");
    call << true; // interactive
    auto *watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher *done) {
        done->deleteLater();
        const QDBusError error = done->error();
        emit answered(!error.isValid() ? QString()
                      : error.message().isEmpty() ? error.name()
                                                  : error.message());
    });
}
