#pragma once

#include <QObject>

class ClockTray;
class DesktopNotification;
class SleepTimer;

// A minute before the sleep timer stops the machine, a notification counts
// the seconds down and offers "Cancel" and "Postpone 10 min". It goes once
// the timer is disarmed, put off or has asked.
class ShutdownWarning : public QObject
{
    Q_OBJECT

public:
    static constexpr int kPostponeMinutes = 10;

    ShutdownWarning(SleepTimer &timer, ClockTray &tray, QObject *parent = nullptr);

    // Each second of the last minute, from the schedule.
    void warn(int secondsToGo);

private:
    SleepTimer &m_timer;
    DesktopNotification *m_notice;
};
