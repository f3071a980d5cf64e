#include "app/clockmenus.h"
#include "core/clockschedule.h"
#include "app/clocktray.h"
#include "app/commandids.h"
#include "app/runningclock.h"
#include "sound/soundchannel.h"
#include "support/notificationbus.h"
#include "support/notificationbutton.h"
#include "support/scopedtimezone.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QMenu>
#include <QTest>

// An alarm rings: the tray icon and a desktop notification (a mock notification daemon on a
// private session bus) show what rings, either one stops it, and both go back once it has ended.
class TestRinging : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_bus.start());
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
        const uint id = uint(log().count(" Notify ")) + 1; // the daemon numbers them from 1
        time.advance(1);
        dialog.schedule().tick();

        QVERIFY(dialog.tray().isRinging());
        QCOMPARE(dialog.tray().status(), "NeedsAttention");
        QCOMPARE(trayMenu->actions().first()->text(), "Stop sound");
        // At the window, the keyboard is on the Stop button at once.
        QCOMPARE(dialog.focusWidget() == dialog.findChild<QWidget *>("stopSoundButton"), windowShown);
        QTRY_COMPARE(uint(log().count(" Notify ")), id); // the daemon writes its log a little later
        if (fromNotification) {
            pressNotificationButton(id, "stop");
        } else {
            trayMenu->actions().first()->trigger();
        }
        QTRY_COMPARE(sound.sent.filter("stop myalarmsound wait").size(), 1);

        sound.reply("status myalarmsound mode wait", "stopped");
        time.advance(1);
        dialog.schedule().tick();
        QVERIFY(!dialog.tray().isRinging());
        QCOMPARE(dialog.tray().status(), "Active");
        QCOMPARE(trayMenu->actions().first()->text(), "E&xit");
        QTRY_VERIFY(log().contains(QString("CloseNotification %1").arg(id)));
    }

    // A click on the notification opens the window; the sound rings on. The hints keep the desktop's own
    // sound away and say what kind of notification it is.
    void clickOnTheNotificationOpensTheWindow()
    {
        const auto clock = alarmAtSeven("/home/u/wake.wav");
        ClockDialog &dialog = *clock->dialog;
        clock->sound.reply("status myalarmsound mode wait", "playing");
        const uint id = uint(log().count(" Notify ")) + 1;
        clock->time.advance(1);
        dialog.schedule().tick();
        QTRY_COMPARE(uint(log().count(" Notify ")), id);
        const QString notify = log().split('\n').filter(kRinging).constLast();
        QVERIFY2(notify.contains("\"category\": \"x-chimewise.alarm\"") && notify.contains("\"suppress-sound\": True"),
                 qPrintable(notify));
        dialog.onCommand(Command::Minimize); // offscreen there is no tray to hide in
        QVERIFY(dialog.isMinimized());
        pressNotificationButton(id, "default");
        QTRY_VERIFY(dialog.isVisible() && !dialog.isMinimized());
        QVERIFY(clock->sound.sent.filter("stop myalarmsound wait").isEmpty());
    }

    // Snoozed from the notification, then from the tray, the alarm rings again five minutes after each
    // answer and is told in the tip meanwhile; Stop ends it for good.
    void snoozeTwiceThenStop()
    {
        const auto clock = alarmAtSeven("/home/u/wake.wav");
        RecordingSoundDevice &sound = clock->sound;
        ClockDialog &dialog = *clock->dialog;
        QMenu *trayMenu = dialog.menus().trayPopup();
        const auto tickAt = [&clock](int hour, int minute, int second) {
            clock->time.set(VirtualTimeSource::fromLocal(2026, 12, 6, hour, minute, second));
            clock->dialog->schedule().tick();
        };
        const auto opens = [&sound] { return sound.sent.filter("open ").size(); };
        sound.reply("status myalarmsound mode wait", "playing");
        const qsizetype notified = log().count(" Notify ");
        tickAt(7, 0, 0);
        QTRY_COMPARE(log().count(" Notify "), notified + 1);
        QVERIFY(log().contains(kRinging + ", \"snooze\", \"Snooze 5 min\"]"));
        QCOMPARE(trayMenu->actions().value(1)->text(), "Snooze 5 min");
        pressNotificationButton(notified + 1, "snooze");
        QTRY_COMPARE(sound.sent.filter("stop myalarmsound wait").size(), 1);

        sound.reply("status myalarmsound mode wait", "stopped");
        tickAt(7, 0, 30);
        QVERIFY(!dialog.tray().isRinging());
        QVERIFY(dialog.tray().tip().endsWith("\nSnoozed till 07:05 AM: Alarm 3 — 07:00 AM"));
        sound.reply("status myalarmsound mode wait", "playing");
        tickAt(7, 4, 59);
        QCOMPARE(opens(), 1);
        tickAt(7, 5, 0);
        QCOMPARE(opens(), 2);
        QVERIFY(dialog.tray().isRinging());
        tickAt(7, 5, 20);
        trayMenu->actions().value(1)->trigger();
        QCOMPARE(sound.sent.filter("stop myalarmsound wait").size(), 2);

        sound.reply("status myalarmsound mode wait", "stopped");
        tickAt(7, 5, 21);
        sound.reply("status myalarmsound mode wait", "playing");
        tickAt(7, 10, 20);
        QCOMPARE(opens(), 3);
        trayMenu->actions().first()->trigger(); // "Stop sound"
        sound.reply("status myalarmsound mode wait", "stopped");
        tickAt(7, 30, 0);
        QCOMPARE(opens(), 3);
        QVERIFY(!dialog.tray().tip().contains("Snoozed"));
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
        clock->profile->writeInt("Startup", "LoginStartOffered", 1); // asked at an earlier start
        clock->profile->writeInt("Alarms", "Alarm3", 7 * 60);
        clock->profile->writeText("Alarms", "Alarm3_file", file);
        clock->start();
        return clock;
    }

    QString log() const { return m_bus.log(); }

    const QString kRinging = "Notify \"Chimewise\" 0 \"chimewise\" \"Alarm 3 — 07:00 AM\" \"\" [\"default\", \"\", \"stop\", \"Stop\"";
    const ScopedTimeZone m_zone{"Asia/Dhaka"};
    NotificationBus m_bus;
};

QTEST_MAIN(TestRinging)
#include "tst_ringing.moc"
