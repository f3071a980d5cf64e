#pragma once

#include <QIcon>
#include <QObject>

#include <functional>

class QAction;
class QMenu;
class QSystemTrayIcon;
class StatusNotifierItem;

// The clock's icon in the notification area: its tip shows the time, a
// left click brings the window back, a right click opens the popup. While
// a sound rings the icon shows it and the popup offers to stop it. Where a
// panel hosts StatusNotifierItems the icon is one of those, from whenever
// the panel's watcher appears; else it is Qt's own (an X11 tray icon).
class ClockTray : public QObject
{
    Q_OBJECT

public:
    // Each line of the tip; the desktops' tips (X11 and StatusNotifierItem)
    // take several lines of any length, but a line should stay readable.
    static constexpr int kMaxTipLineLength = 127;

    // tipNow composes the tip as it is at that moment, lines apart by '\n'.
    ClockTray(const QIcon &icon, QMenu *popup, std::function<QString()> tipNow, QObject *parent = nullptr);

    // Whether the desktop has a notification area to hide into.
    static bool available();

    void add(); // adding an icon that is present changes nothing
    void remove();
    // The time in the tip moved on. A StatusNotifierItem's panel is told at
    // once; Qt's icon composes its tip only when it is about to show it, so
    // a hidden clock does no work each second for a tip nobody looks at.
    void tipChanged();
    // Whether the tip must be told every second for the time in it to move on.
    bool tipFollowsTheTime() const;

    bool isPresent() const;
    QString tip() const; // as it is now, each line cut to kMaxTipLineLength

    // snoozeCaption: the popup offers "Snooze 5 min" under "Stop sound"; empty: not.
    void showRinging(const QString &snoozeCaption = QString());
    void endRinging();
    bool isRinging() const;
    // The icon's own message; an empty text takes it away.
    void showMessage(const QString &text, const QString &detail = QString());

    // "Active", or "NeedsAttention" while a sound rings.
    QString status() const;

signals:
    void leftClicked(); // on the icon, or on its own message
    void stopRequested();
    void snoozeRequested();
    void tipFollowingChanged(); // the item came or went

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showInHost();
    void showTipInItem();

    QSystemTrayIcon *m_icon;
    StatusNotifierItem *m_item;
    QMenu *m_popup;
    QIcon m_normalIcon;
    QIcon m_ringingIcon;
    QAction *m_stopAction;
    QAction *m_snoozeAction;
    QAction *m_stopSeparator;
    std::function<QString()> m_tipNow;
    bool m_present = false;
};
