#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include <optional>

class ClockTray;

// One notification with buttons on the desktop (freedesktop Notifications on
// the session bus), shown again in place as its text changes, until it is
// withdrawn. Where no notification service answers, the tray icon's message
// stands in, without buttons. Nothing here waits for the bus.
class DesktopNotification : public QObject
{
    Q_OBJECT

public:
    explicit DesktopNotification(ClockTray &tray, QObject *parent = nullptr);

    // actions: pairs of a key and its caption. Closed by the user, it stays
    // away until withdrawn and shown anew.
    void show(const QString &summary, const QString &body, const QStringList &actions);
    void withdraw();

signals:
    void actionInvoked(const QString &key);

private slots:
    void onActionInvoked(uint id, const QString &key);
    void onClosed(uint id, uint reason);

private:
    struct Text
    {
        QString summary;
        QString body;
        QStringList actions;
    };

    void send(const Text &text);
    void onAnswer(uint id);

    ClockTray &m_tray;
    bool m_listening = false;
    bool m_shown = false;
    bool m_dismissed = false;
    bool m_inTray = false;
    bool m_asking = false;          // a Notify is under way
    std::optional<Text> m_next;     // shown once it is answered
    uint m_id = 0;                  // on the desktop; 0 when none
    std::optional<std::pair<uint, QString>> m_earlyPress; // before the answer numbered it
};
