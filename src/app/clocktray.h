#pragma once

#include <QObject>

class QIcon;
class QMenu;
class QSystemTrayIcon;

// The clock's icon in the notification area: its tip shows the time, a
// left click brings the window back, a right click opens the popup.
class ClockTray : public QObject
{
    Q_OBJECT

public:
    static constexpr int kMaxTipLength = 63;

    ClockTray(const QIcon &icon, QMenu *popup, QObject *parent = nullptr);

    // Whether the desktop has a notification area to hide into.
    static bool available();

    void add(const QString &tip); // adding an icon that is present changes nothing
    void remove();
    void setTip(const QString &tip);

    bool isPresent() const;
    QString tip() const;

signals:
    void leftClicked();

private:
    QSystemTrayIcon *m_icon;
};
