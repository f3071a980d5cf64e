#include "app/ringingnotice.h"

#include "app/clocktray.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>

namespace {

const char kService[] = "org.freedesktop.Notifications";
const char kPath[] = "/org/freedesktop/Notifications";
const char kInterface[] = "org.freedesktop.Notifications";
const char kStopAction[] = "stop";
const char kSnoozeAction[] = "snooze";
// A click on the notification itself.
const char kDefaultAction[] = "default";

QDBusMessage notificationCall(const char *method)
{
    return QDBusMessage::createMethodCall(kService, kPath, kInterface, method);
}

// Lasting: critical, without a timeout, so it stays until closed; else
// normal, for the desktop's usual time.
QDBusMessage notifyCall(uint replaces, const QString &summary, const QString &body,
                        const QStringList &actions, bool lasting = true)
{
    QDBusMessage notify = notificationCall("Notify");
    // The clock rings its own sound: the desktop adds none. No freedesktop category fits an alarm.
    const QVariantMap hints{{"urgency", QVariant::fromValue(uchar(lasting ? 2 : 1))},
                            {"desktop-entry", QStringLiteral("chimewise")},
                            {"category", QStringLiteral("x-chimewise.alarm")},
                            {"suppress-sound", true}};
    notify << QStringLiteral("Chimewise") << replaces << QStringLiteral("chimewise") << summary << body
           << actions << hints << (lasting ? 0 : -1);
    return notify;
}

} // namespace

RingingNotice::RingingNotice(ClockTray &tray, QObject *parent)
    : QObject(parent)
    , m_tray(tray)
{
}

void RingingNotice::show(const QString &what, const QString &snoozeCaption)
{
    m_shown = true;
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        showInTray(what);
        return;
    }
    listen();
    // Withdrawn once the sound ends or is stopped.
    QStringList actions{kDefaultAction, QString(), kStopAction, tr("Stop")};
    if (!snoozeCaption.isEmpty())
        actions << kSnoozeAction << snoozeCaption;
    const QDBusMessage notify = notifyCall(m_id, what, QString(), actions);
    auto *call = new QDBusPendingCallWatcher(bus.asyncCall(notify), this);
    connect(call, &QDBusPendingCallWatcher::finished, this,
            [this, what](QDBusPendingCallWatcher *finished) { onNotified(finished, what); });
}

void RingingNotice::withdraw()
{
    m_shown = false;
    if (std::exchange(m_inTray, false))
        m_tray.showMessage(QString());
    close(std::exchange(m_id, 0));
}

void RingingNotice::report(const QString &summary, const QString &detail)
{
    notifyOnce(summary, detail, true);
}

void RingingNotice::tell(const QString &summary)
{
    notifyOnce(summary, QString(), false);
}

void RingingNotice::notifyOnce(const QString &summary, const QString &detail, bool lasting)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        m_tray.showMessage(summary, detail);
        return;
    }
    auto *call = new QDBusPendingCallWatcher(bus.asyncCall(notifyCall(0, summary, detail, {}, lasting)), this);
    connect(call, &QDBusPendingCallWatcher::finished, this,
            [this, summary, detail](QDBusPendingCallWatcher *finished) {
                finished->deleteLater();
                if (finished->isError())
                    m_tray.showMessage(summary, detail);
            });
}

void RingingNotice::listen()
{
    if (m_listening)
        return;
    QDBusConnection bus = QDBusConnection::sessionBus();
    m_listening = bus.connect(kService, kPath, kInterface, "ActionInvoked", this,
                              SLOT(onActionInvoked(uint, QString)))
                  && bus.connect(kService, kPath, kInterface, "NotificationClosed", this,
                                 SLOT(onClosed(uint, uint)));
}

void RingingNotice::onNotified(QDBusPendingCallWatcher *call, const QString &what)
{
    call->deleteLater();
    const QDBusPendingReply<uint> reply = *call;
    if (reply.isError()) {
        if (m_shown)
            showInTray(what);
        return;
    }
    // The sound may have ended before the desktop answered.
    if (!m_shown) {
        close(reply.value());
        return;
    }
    m_id = reply.value();
    if (std::exchange(m_earlyPress, 0) == m_id)
        emitAction(m_earlyAction);
}

// The press may come in before the answer that numbers the notification.
void RingingNotice::onActionInvoked(uint id, const QString &action)
{
    if ((action != kDefaultAction && action != kStopAction && action != kSnoozeAction) || !m_shown)
        return;
    if (m_id == 0) {
        m_earlyPress = id;
        m_earlyAction = action;
    } else if (id == m_id) {
        emitAction(action);
    }
}

void RingingNotice::emitAction(const QString &action)
{
    if (action == kDefaultAction)
        emit openRequested();
    else if (action == kSnoozeAction)
        emit snoozeRequested();
    else
        emit stopRequested();
}

// Closed on the desktop: the sound rings on; the tray still offers to stop it.
void RingingNotice::onClosed(uint id, uint)
{
    if (id == m_id)
        m_id = 0;
}

void RingingNotice::showInTray(const QString &what)
{
    m_inTray = true;
    m_tray.showMessage(what);
}

void RingingNotice::close(uint id)
{
    if (id == 0)
        return;
    QDBusMessage closing = notificationCall("CloseNotification");
    closing << id;
    QDBusConnection::sessionBus().asyncCall(closing);
}
