#pragma once

#include <QObject>
#include <QString>

class ClockTray;
class QDBusPendingCallWatcher;

// The desktop notification that says what rings, with a "Stop" action (and
// "Snooze" for an alarm):
// freedesktop Notifications on the session bus, or the tray icon's message
// where no notification service answers. Nothing here waits for the bus.
class RingingNotice : public QObject
{
    Q_OBJECT

public:
    explicit RingingNotice(ClockTray &tray, QObject *parent = nullptr);

    // snoozeCaption: "Snooze 5 min", or empty for a sound that cannot be snoozed.
    void show(const QString &what, const QString &snoozeCaption = QString());
    void withdraw();
    // A notification of its own, kept until the user dismisses it.
    void report(const QString &summary, const QString &detail);
    // A notification of its own that goes after the desktop's usual time.
    void tell(const QString &summary);

signals:
    void openRequested(); // a click on the notification itself
    void stopRequested();
    void snoozeRequested();

private slots:
    void onActionInvoked(uint id, const QString &action);
    void onClosed(uint id, uint reason);

private:
    void notifyOnce(const QString &summary, const QString &detail, bool lasting);
    void listen();
    void onNotified(QDBusPendingCallWatcher *call, const QString &what);
    void showInTray(const QString &what);
    void close(uint id);
    void emitAction(const QString &action);

    ClockTray &m_tray;
    bool m_listening = false;
    bool m_shown = false;
    bool m_inTray = false; // the tray icon's message stands in
    uint m_id = 0; // the notification on the desktop, 0 when none
    uint m_earlyPress = 0; // a notification pressed before the desktop numbered it
    QString m_earlyAction; // the press: open, "Stop" or "Snooze"
};
