#include "app/clockmenus.h"
#include "core/clockschedule.h"
#include "app/clocktray.h"
#include "app/runningclock.h"
#include "sound/soundchannel.h"
#include "support/scopedtimezone.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QMenu>
#include <QProcess>
#include <QTest>

// An alarm rings: the tray icon and a desktop notification (a mock notification daemon on a
// private session bus) show what rings, either one stops it, and both go back once it has ended.
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
        m_daemon.start("/usr/bin/python3", {"-m", "dbusmock", "--template", "notification_daemon", "-l", m_log});
        QTRY_VERIFY_WITH_TIMEOUT(
            QDBusConnection::sessionBus().interface()->isServiceRegistered("org.freedesktop.Notifications"), 10000);
    }

    void cleanupTestCase()
    {
        for (QProcess *process : {&m_daemon, &m_bus}) {
            process->kill();
            process->waitForFinished();
        }
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
        const auto clock = alarmAtSeven("/home/u/wake.wav");
        VirtualTimeSource &time = clock->time;
        RecordingSoundDevice &sound = clock->sound;
        ClockDialog &dialog = *clock->dialog;
        QMenu *trayMenu = dialog.menus().trayPopup();
        if (windowShown) {
            dialog.restoreAndRaise();
            QVERIFY(QTest::qWaitForWindowActive(&dialog));
        }
        sound.reply("status myalarmsound mode wait", "playing");
        time.advance(1);
        dialog.schedule().tick();

        QVERIFY(dialog.tray().isRinging());
        QCOMPARE(trayMenu->actions().first()->text(), "Stop sound");
        // At the window, the keyboard is on the Stop button at once.
        QCOMPARE(dialog.focusWidget() == dialog.findChild<QWidget *>("stopSoundButton"), windowShown);
        QTRY_VERIFY(log().contains("Notify \"Chimewise\" 0 \"chimewise\" \"Alarm 3 — 07:00 AM\" \"\" [\"stop\", \"Stop\"]"));
        const uint id = log().count(" Notify "); // the daemon numbers them from 1
        if (fromNotification) {
            QDBusMessage press = QDBusMessage::createMethodCall(
                "org.freedesktop.Notifications", "/org/freedesktop/Notifications", "org.freedesktop.DBus.Mock", "EmitSignal");
            press << "org.freedesktop.Notifications" << "ActionInvoked" << "us"
                  << QVariantList{QVariant::fromValue(QDBusVariant(id)), QVariant::fromValue(QDBusVariant("stop"))};
            QDBusConnection::sessionBus().call(press);
        } else {
            trayMenu->actions().first()->trigger();
        }
        QTRY_COMPARE(sound.sent.filter("stop myalarmsound wait").size(), 1);

        sound.reply("status myalarmsound mode wait", "stopped");
        time.advance(1);
        dialog.schedule().tick();
        QVERIFY(!dialog.tray().isRinging());
        QCOMPARE(trayMenu->actions().first()->text(), "E&xit");
        QTRY_VERIFY(log().contains(QString("CloseNotification %1").arg(id)));
    }

    // The opens of a file that is not there go on while the clock ticks; then the
    // notification says which file could not be played.
    void missingFileIsTriedWhileTheClockTicks()
    {
        const auto clock = alarmAtSeven("/home/u/gone.wav");
        clock->sound.failCommandsStartingWith("open");
        for (int second = 0; second < SoundChannel::kOpenAttempts; ++second) {
            clock->time.advance(1);
            clock->dialog->schedule().tick();
            QCOMPARE(clock->dialog->windowTitle(), QString("Chimewise 07:00:%1").arg(second, 2, 10, QChar('0')));
            QCOMPARE(clock->sound.sent.filter("open ").size(), second + 1);
        }
        QVERIFY(!clock->dialog->tray().isRinging());
        QTRY_VERIFY(log().contains("\"Could not play /home/u/gone.wav\" \"Alarm 3 — 07:00 AM. The device failed"));
    }

private:
    // The clock a second before alarm 3 rings the file at 07:00.
    static std::unique_ptr<RunningClock> alarmAtSeven(const QString &file)
    {
        auto clock = std::make_unique<RunningClock>();
        clock->time.set(VirtualTimeSource::fromLocal(2026, 12, 6, 6, 59, 59));
        clock->profile->writeInt("AnnounceInterval", "Interval", 3);
        clock->profile->writeInt("Alarms", "Alarm3", 7 * 60);
        clock->profile->writeText("Alarms", "Alarm3_file", file);
        clock->start();
        return clock;
    }

    QString log() const
    {
        QFile file(m_log);
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

    const ScopedTimeZone m_zone{"Asia/Dhaka"};
    QTemporaryDir m_dir;
    const QString m_log = m_dir.filePath("notifications.log");
    QProcess m_bus;
    QProcess m_daemon;
};

QTEST_MAIN(TestRinging)
#include "tst_ringing.moc"
