#pragma once

#include <QDBusConnection>
#include <QObject>

// Asks systemd-logind to stop the machine, without waiting for the answer:
// polkit may first ask the user for a password. Whether the machine may be
// stopped is for polkit to decide; no privileges are taken here.
class LogindPower : public QObject
{
    Q_OBJECT

public:
    // bus: the system bus; tests give a private one.
    explicit LogindPower(const QDBusConnection &bus, QObject *parent = nullptr);

    // PowerOff when powerOff is set, else Halt (stopped, power left on);
    // interactive, so that polkit may ask. The answer arrives in answered().
    void requestShutdown(bool powerOff);

signals:
    // errorText is empty when logind took the request.
    void answered(const QString &errorText);

private:
    QDBusConnection m_bus;
};
