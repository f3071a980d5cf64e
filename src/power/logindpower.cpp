#include "power/logindpower.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>

namespace {

const char kService[] = "org.freedesktop.login1";
const char kPath[] = "/org/freedesktop/login1";
const char kManager[] = "org.freedesktop.login1.Manager";

} // namespace

LogindPower::LogindPower(const QDBusConnection &bus, QObject *parent)
    : QObject(parent)
    , m_bus(bus)
{
    m_bus.connect(kService, kPath, kManager, "PrepareForSleep", this, SLOT(onPrepareForSleep(bool)));
}

void LogindPower::onPrepareForSleep(bool sleeping)
{
    emit preparingForSleep(sleeping);
}

void LogindPower::requestStop(StopAction action)
{
    static const char *const kMethods[] = {"Halt", "PowerOff", "Suspend"};
    QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kManager, kMethods[int(action)]);
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
