#include "app/clockdialog.h"
#include "app/clockmenus.h"
#include "app/clocktray.h"
#include "core/profilestore.h"
#include "db/datasource.h"
#include "support/recordingshellopener.h"
#include "support/recordingsounddevice.h"
#include "support/scopedtimezone.h"
#include "support/scriptedprompts.h"
#include "support/virtualtimesource.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QMenu>
#include <QRegularExpression>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

namespace {

const char kStop[] = "stop myalarmsound wait";

// The mock's "Stop" button pressed on notification `id`.
void invokeStop(uint id)
{
    QDBusMessage press = QDBusMessage::createMethodCall("org.freedesktop.Notifications", "/org/freedesktop/Notifications",
                                                        "org.freedesktop.DBus.Mock", "EmitSignal");
    press << "org.freedesktop.Notifications" << "ActionInvoked" << "us"
          << QVariantList{QVariant::fromValue(QDBusVariant(id)), QVariant::fromValue(QDBusVariant(QString("stop")))};
    QDBusConnection::sessionBus().call(press);
}

} // namespace

// An alarm rung while the window is hidden: the tray icon and a desktop notification (a mock
// notification daemon on a private session bus) show what rings, and either stops it.
class TestRinging : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        m_bus.start("dbus-daemon", {"--session", "--nofork", "--print-address=1"});
        QVERIFY(m_bus.waitForReadyRead(10000));
        // Before anything of the program reaches for the session bus.
        qputenv("DBUS_SESSION_BUS_ADDRESS", m_bus.readLine().trimmed());
        m_daemon.start("/usr/bin/python3", {"-m", "dbusmock", "--template", "notification_daemon", "-l",
                                            m_dir.filePath("notifications.log")});
        QTRY_VERIFY_WITH_TIMEOUT(QDBusConnection::sessionBus().interface()->isServiceRegistered(
                                     "org.freedesktop.Notifications"), 10000);
    }

    void cleanupTestCase()
    {
        m_daemon.kill();
        m_bus.kill();
        m_daemon.waitForFinished();
        m_bus.waitForFinished();
    }

    void stopFromEither_data()
    {
        QTest::addColumn<bool>("fromNotification"); // else from the tray menu
        QTest::addColumn<bool>("windowShown");
        QTest::newRow("notification's Stop, window hidden") << true << false;
        QTest::newRow("tray menu's Stop sound, window shown") << false << true;
    }

    void stopFromEither()
    {
        QFETCH(bool, fromNotification);
        QFETCH(bool, windowShown);
        QSettings profile(m_dir.filePath("Chimewise.conf"), QSettings::IniFormat);
        profile.setValue("AnnounceInterval/Interval", 3);
        profile.setValue("Alarms/Alarm3", 7 * 60);
        profile.setValue("Alarms/Alarm3_file", "/home/u/wake.wav");
        profile.sync();
        const auto store = ProfileStore::openIniFile(m_dir.filePath("Chimewise.conf"));
        const DataSource data = DataSource::embeddedFile(m_dir.filePath("KTXDB.sqlite"));
        VirtualTimeSource time(VirtualTimeSource::fromLocal(2026, 12, 6, 6, 59, 59));
        ScriptedPrompts prompts;
        RecordingShellOpener shell;
        RecordingSoundDevice sound;
        ClockDialog dialog({time, prompts, *store, shell, sound, data});
        QMenu *trayMenu = dialog.menus().trayPopup();
        sound.reply("status myalarmsound mode wait", "playing");
        if (windowShown) {
            dialog.restoreAndRaise();
            QVERIFY(QTest::qWaitForWindowActive(&dialog));
        }
        time.advance(1);
        dialog.clockTick();
        // At the window, the keyboard is on the Stop button at once.
        QCOMPARE(dialog.focusWidget() == dialog.findChild<QWidget *>("stopSoundButton"), windowShown);

        QVERIFY(dialog.tray().isRinging());
        QCOMPARE(trayMenu->actions().first()->text(), "Stop sound");
        QTRY_VERIFY(log().contains("Notify \"Chimewise\" 0 \"chimewise\" \"Alarm 3 — 07:00 AM\" \"\" [\"stop\", \"Stop\"]"));
        // The daemon numbers its notifications from 1.
        const uint id = log().count(QRegularExpression("Notify .*\\n"));
        if (fromNotification)
            invokeStop(id);
        else
            trayMenu->actions().first()->trigger();
        QTRY_COMPARE(sound.sent.filter(kStop).size(), 1);

        // The next tick finds the sound over: back to normal, the notification withdrawn.
        sound.reply("status myalarmsound mode wait", "stopped");
        time.advance(1);
        dialog.clockTick();
        QVERIFY(!dialog.tray().isRinging());
        QCOMPARE(trayMenu->actions().first()->text(), "E&xit");
        QTRY_VERIFY(log().contains(QString("CloseNotification %1").arg(id)));
        QVERIFY(prompts.allShown());
    }

private:
    QString log() const
    {
        QFile file(m_dir.filePath("notifications.log"));
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

    const ScopedTimeZone m_zone{"Asia/Dhaka"};
    QTemporaryDir m_dir;
    QProcess m_bus;
    QProcess m_daemon;
};

QTEST_MAIN(TestRinging)
#include "tst_ringing.moc"
