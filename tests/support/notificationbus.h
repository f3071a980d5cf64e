#pragma once

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

// A private session bus with python-dbusmock's notification daemon on it,
// which logs each call. Started before anything of the program reaches for
// the session bus; ends with the test.
class NotificationBus
{
public:
    // In initTestCase: QVERIFY(bus.start()).
    bool start()
    {
        m_bus.start("dbus-daemon", {"--session", "--nofork", "--print-address=1"});
        if (!m_bus.waitForReadyRead(10000))
            return false;
        qputenv("DBUS_SESSION_BUS_ADDRESS", m_bus.readLine().trimmed());
        m_daemon.start("/usr/bin/python3", {"-m", "dbusmock", "--template", "notification_daemon", "-l", m_log});
        const auto running = [] {
            return QDBusConnection::sessionBus().interface()->isServiceRegistered("org.freedesktop.Notifications")
                .value();
        };
        return QTest::qWaitFor(running, 10000);
    }

    ~NotificationBus()
    {
        for (QProcess *process : {&m_daemon, &m_bus}) {
            process->kill();
            process->waitForFinished();
        }
    }

    // Each call the daemon got, one a line ("Notify \"Chimewise\" 0 …").
    QString log() const
    {
        QFile file(m_log);
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

private:
    QTemporaryDir m_dir;
    const QString m_log = m_dir.filePath("notifications.log");
    QProcess m_bus;
    QProcess m_daemon;
};
