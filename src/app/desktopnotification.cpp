#include "app/desktopnotification.h"

#include "app/clocktray.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>

namespace {

const char kService[] = "org.freedesktop.Notifications";
const char kPath[] = "/org/freedesktop/Notifications";
const char kInterface[] = "org.freedesktop.Notifications";
constexpr uint kDismissedByUser = 2;

} // namespace

DesktopNotification::DesktopNotification(ClockTray &tray, QObject *parent)
    : QObject(parent)
    , m_tray(tray)
{
}

void DesktopNotification::show(const QString &summary, const QString &body, const QStringList &actions)
{
    if (m_dismissed)
        return;
    m_shown = true;
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected() || m_inTray) {
        // The icon's message is shown once: a new one each second would blink.
        if (!std::exchange(m_inTray, true))
            m_tray.showMessage(summary, body);
        return;
    }
    if (!m_listening) {
        m_listening = bus.connect(kService, kPath, kInterface, "ActionInvoked", this,
                                  SLOT(onActionInvoked(uint, QString)))
                      && bus.connect(kService, kPath, kInterface, "NotificationClosed", this,
                                     SLOT(onClosed(uint, uint)));
    }
    if (m_asking)
        m_next = Text{summary, body, actions};
    else
        send({summary, body, actions});
}

void DesktopNotification::send(const Text &text)
{
    QDBusMessage notify = QDBusMessage::createMethodCall(kService, kPath, kInterface, "Notify");
    const QVariantMap hints{{"urgency", QVariant::fromValue(uchar(2))},
                            {"desktop-entry", QStringLiteral("chimewise")}};
    notify << QStringLiteral("Chimewise") << m_id << QStringLiteral("chimewise") << text.summary << text.body
           << text.actions << hints << 0;
    m_asking = true;
    auto *call = new QDBusPendingCallWatcher(QDBusConnection::sessionBus().asyncCall(notify), this);
    connect(call, &QDBusPendingCallWatcher::finished, this, [this, text](QDBusPendingCallWatcher *finished) {
        finished->deleteLater();
        m_asking = false;
        const QDBusPendingReply<uint> reply = *finished;
        if (!reply.isError()) {
            onAnswer(reply.value());
        } else if (m_shown) {
            m_inTray = true;
            m_tray.showMessage(text.summary, text.body);
        }
    });
}

// Withdrawn meanwhile, it is closed at once; changed meanwhile, the newest text goes out.
void DesktopNotification::onAnswer(uint id)
{
    m_id = id;
    if (!m_shown) {
        withdraw();
        return;
    }
    if (const auto press = std::exchange(m_earlyPress, std::nullopt); press && press->first == id)
        emit actionInvoked(press->second);
    if (const auto next = std::exchange(m_next, std::nullopt); next && m_shown)
        send(*next);
}

void DesktopNotification::withdraw()
{
    m_shown = false;
    m_dismissed = false;
    m_next.reset();
    if (std::exchange(m_inTray, false))
        m_tray.showMessage(QString());
    if (const uint id = std::exchange(m_id, 0)) {
        QDBusMessage closing = QDBusMessage::createMethodCall(kService, kPath, kInterface, "CloseNotification");
        closing << id;
        QDBusConnection::sessionBus().asyncCall(closing);
    }
}

void DesktopNotification::onActionInvoked(uint id, const QString &key)
{
    if (!m_shown)
        return;
    if (m_id == 0)
        m_earlyPress = {id, key};
    else if (id == m_id)
        emit actionInvoked(key);
}

void DesktopNotification::onClosed(uint id, uint reason)
{
    if (id != m_id || id == 0)
        return;
    m_id = 0;
    m_dismissed = reason == kDismissedByUser;
}
