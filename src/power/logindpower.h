#pragma once

#include <QDBusConnection>
#include <QObject>

// How the sleep timer stops the machine.
enum class StopAction { Halt, PowerOff, Suspend };

// Asks systemd-logind to stop the machine, without waiting for the answer:
// polkit may first ask the user for a password. Whether the machine may be
// stopped is for polkit to decide; no privileges are taken here. Also tells
// when logind suspends the machine and wakes it.
class LogindPower : public QObject
{
    Q_OBJECT

public:
    // bus: the system bus; tests give a private one.
    explicit LogindPower(const QDBusConnection &bus, QObject *parent = nullptr);

    // PowerOff, Halt (stopped, power left on) or Suspend; interactive, so
    // that polkit may ask. The answer arrives in answered().
    void requestStop(StopAction action);

signals:
    // errorText is empty when logind took the request.
    void answered(const QString &errorText);
    // True before the machine sleeps, false once it has woken.
    void preparingForSleep(bool sleeping);

private slots:
    void onPrepareForSleep(bool sleeping);

private:
    QDBusConnection m_bus;
};
