#include "app/runningclock.h"
#include "core/clockschedule.h"
#include "power/sleepchoice.h"
#include "power/sleeptimer.h"
#include "support/notificationbutton.h"
#include "support/scopedtimezone.h"
#include "timetext/timeofday.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

namespace {

const char kLogind[] = "org.freedesktop.login1";
const QString kRefusal = "raise dbus.exceptions.DBusException('Interactive authentication required.', "
                         "name='org.freedesktop.DBus.Error.InteractiveAuthorizationRequired')";

QDBusMessage callMock(const QString &interface, const QString &method, const QVariantList &args = {})
{
    QDBusMessage call = QDBusMessage::createMethodCall(kLogind, "/org/freedesktop/login1", interface, method);
    call.setArguments(args);
    return QDBusConnection::systemBus().call(call);
}

} // namespace

// The sleep timer on the real dialog, against python-dbusmock's logind on a
// private bus that stands in for the system bus, and its notification daemon
// on another for the session bus.
class TestSleepTimer : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        for (auto [bus, variable] : {std::pair{&m_bus, "DBUS_SYSTEM_BUS_ADDRESS"},
                                     std::pair{&m_sessionBus, "DBUS_SESSION_BUS_ADDRESS"}}) {
            bus->start("dbus-daemon", {"--session", "--nofork", "--print-address=1"});
            QVERIFY(bus->waitForReadyRead(10000));
            qputenv(variable, bus->readLine().trimmed());
        }
        m_mock.start("/usr/bin/python3", {"-m", "dbusmock", "--system", "--template", "logind", "-l", m_log});
        m_daemon.start("/usr/bin/python3", {"-m", "dbusmock", "--template", "notification_daemon", "-l", m_notified});
        QTRY_VERIFY_WITH_TIMEOUT(QDBusConnection::systemBus().interface()->isServiceRegistered(kLogind), 15000);
        QTRY_VERIFY_WITH_TIMEOUT(
            QDBusConnection::sessionBus().interface()->isServiceRegistered("org.freedesktop.Notifications"), 15000);
    }

    void cleanupTestCase()
    {
        for (QProcess *process : {&m_daemon, &m_mock, &m_sessionBus, &m_bus}) {
            process->terminate();
            process->waitForFinished();
        }
    }

    void init()
    {
        for (const char *method : {"PowerOff", "Halt", "Suspend"}) // the template has no Halt
            QVERIFY(addMockMethod(method, "").type() == QDBusMessage::ReplyMessage);
        m_logSeen = QFileInfo(m_log).size();
        m_clock = std::make_unique<RunningClock>();
        m_clock->profile->writeInt("Startup", "LoginStartOffered", 1); // asked at an earlier start
    }

    void cleanup()
    {
        m_clock.reset();
        QVERIFY(m_prompts.allShown());
    }

    // Enabling shows the stored choice without arming, and the note says what it does; Set refuses a
    // time that is not one, and a wait that is not one.
    void enableAndRefuse()
    {
        m_clock->profile->writeInt("Shutdown", "ShutdownTime", 1350);
        m_clock->profile->writeInt("Shutdown", "PowerOff", 1);
        startClock(0);
        control<QCheckBox>("sleepTimerCheck")->click();
        QCOMPARE(timeEdit()->text(), QString("10:30 PM"));
        QVERIFY(powerOffBox()->isChecked() && !timer()->armed());
        const auto note = [this] { return control<QLabel>("sleepActionLabel")->text(); };
        QCOMPARE(note(), "Shuts down, power off");
        powerOffBox()->click();
        QCOMPARE(note(), "Halts: power stays on");
        suspendBox()->click();
        QCOMPARE(note(), "Suspends the machine");
        QVERIFY(!powerOffBox()->isEnabled());

        waitCombo()->setCurrentText("soon");
        m_prompts.expectMessage(waitFormatMessage("soon"), "Chimewise");
        button()->click();
        QVERIFY(!timer()->armed());
        waitCombo()->setCurrentText(QString());

        timeEdit()->setText("24:00");
        m_prompts.expectMessage(timeFormatMessage("24:00"), "Chimewise");
        button()->click();
        QVERIFY(!timer()->armed());
        QCOMPARE(m_clock->dialog->focusWidget(), timeEdit());
    }

    void shutdownAtTheArmedMinute_data()
    {
        QTest::addColumn<QString>("method"); // asked of logind, with the boxes ticked for it
        QTest::addColumn<bool>("refused");
        QTest::addColumn<bool>("showAgain"); // Show pressed after Set
        QTest::addColumn<int>("late");       // seconds after 09:16:00 of the next tick
        QTest::addColumn<QString>("call");   // what logind is asked, empty for nothing
        QTest::newRow("halt") << "Halt" << false << false << 0 << "Halt True";
        QTest::newRow("suspend") << "Suspend" << false << false << 0 << "Suspend True";
        QTest::newRow("disarmed by Show") << "PowerOff" << false << true << 0 << "";
        QTest::newRow("a busy second") << "PowerOff" << false << false << 5 << "PowerOff True";
        // The user is at the machine again after a stop or a sleep: it is not stopped late.
        QTest::newRow("three minutes late") << "PowerOff" << false << false << 180 << "";
        QTest::newRow("woken long after the minute") << "PowerOff" << false << false << 4000 << "";
        QTest::newRow("power off refused") << "PowerOff" << true << false << 0 << "PowerOff True";
        QTest::newRow("halt refused") << "Halt" << true << false << 0 << "Halt True";
        QTest::newRow("suspend refused") << "Suspend" << true << false << 0 << "Suspend True";
    }

    // A refusal is told once, without waiting for anybody, and leaves it armed.
    void shutdownAtTheArmedMinute()
    {
        QFETCH(QString, method);
        QFETCH(bool, refused);
        QFETCH(bool, showAgain);
        QFETCH(int, late);
        QFETCH(QString, call);
        if (refused)
            QVERIFY(addMockMethod(method, kRefusal).type() == QDBusMessage::ReplyMessage);
        startClock(-10);
        arm("09:16", method);
        if (showAgain)
            button()->click();
        tickAt(-5);

        const QString message = QString(method == "PowerOff" ? "Shutdown & Poweroff :: %1"
                                        : method == "Halt"   ? "Shutdown only :: %1"
                                                             : "Suspend :: %1")
                                    .arg("Interactive authentication required.");
        QSignalSpy told(timer(), &SleepTimer::refused);
        tickAt(late);
        const QStringList calls = call.isEmpty() ? QStringList() : QStringList{call};
        QTRY_COMPARE(loggedCalls(), calls);
        if (refused)
            QTRY_COMPARE(told, QList<QVariantList>{{message}});
        tickAt(late + 1);
        QCOMPARE(told.size(), int(refused));
        QCOMPARE(timer()->armed(), !showAgain);
    }

    void warningAnswers_data()
    {
        QTest::addColumn<QString>("answer"); // the notification's button, empty for none
        QTest::addColumn<QStringList>("at0916");
        QTest::addColumn<QStringList>("at0926");
        QTest::newRow("no answer") << "" << QStringList{"PowerOff True"} << QStringList{};
        QTest::newRow("Cancel") << "cancel" << QStringList{} << QStringList{};
        QTest::newRow("Postpone 10 min") << "postpone" << QStringList{} << QStringList{"PowerOff True"};
    }

    // A minute before, a notification counts down, replaced in place, with Cancel and Postpone; it goes
    // once answered or once the machine is asked. Put off, the timer is back at its own minute after.
    void warningAnswers()
    {
        QFETCH(QString, answer);
        QFETCH(QStringList, at0916);
        QFETCH(QStringList, at0926);
        startClock(-70);
        arm("09:16", "PowerOff");
        const qsizetype before = notified().count(" Notify ");
        tickAt(-60);
        tickAt(-30);
        QTRY_COMPARE(notified().count(" Notify "), before + 2);
        // The daemon numbers new notifications from 1.
        const uint id = notified().count(" Notify \"Chimewise\" 0 ");
        QVERIFY(notified().contains("Notify \"Chimewise\" 0 \"chimewise\" \"The machine will power off in 60 s\" "
                                    "\"The sleep timer asks to power off at 09:16 AM.\" "
                                    "[\"cancel\", \"Cancel\", \"postpone\", \"Postpone 10 min\"]"));
        const QString replaced = "Notify \"Chimewise\" %1 \"chimewise\" \"The machine will power off in 30 s\"";
        QVERIFY(notified().contains(replaced.arg(id)));
        if (!answer.isEmpty()) {
            pressNotificationButton(id, answer);
            QTRY_VERIFY(timer()->minute() != 9 * 60 + 16);
        }
        tickAt(0);
        QTRY_VERIFY(notified().contains(QString("CloseNotification %1").arg(id)));
        QTRY_COMPARE(loggedCalls(), at0916);
        tickAt(600);
        QTRY_COMPARE(loggedCalls(), at0916 + at0926);
        QCOMPARE(timer()->minute(), answer == "cancel" ? kNoTime : 9 * 60 + 16);
    }

    void waitMinutes_data()
    {
        QTest::addColumn<QString>("wait");
        QTest::addColumn<int>("minutesOn"); // the armed minute, after 09:15
        QTest::newRow("chosen") << "30 min" << 31;
        QTest::newRow("typed with in") << "in 5 min" << 6;
    }

    // From 09:15:20, the first whole minute at least that long; it stops the machine once.
    void waitMinutes()
    {
        QFETCH(QString, wait);
        QFETCH(int, minutesOn);
        startClock(-40);
        control<QCheckBox>("sleepTimerCheck")->click();
        waitCombo()->setCurrentText(wait);
        button()->click();
        QCOMPARE(timer()->minute(), 9 * 60 + 15 + minutesOn);
        QCOMPARE(timeEdit()->text(), formatTimeOfDay12(timer()->minute()));
        QCOMPARE(m_clock->profile->readInt("Shutdown", "ShutdownTime", -1), 0); // the fixed time stays
        tickAt(60 * (minutesOn - 1));
        QTRY_COMPARE(loggedCalls(), QStringList{"Halt True"});
        QVERIFY(!timer()->armed());
        QCOMPARE(button()->text(), QString("Set &Shutdown Time"));
    }

private:
    void arm(const QString &time, const QString &method)
    {
        control<QCheckBox>("sleepTimerCheck")->click();
        timeEdit()->setText(time);
        powerOffBox()->setChecked(method == "PowerOff");
        suspendBox()->setChecked(method == "Suspend");
        button()->click();
    }
    QString notified() const
    {
        QFile file(m_notified);
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }
    void startClock(int secondsFrom0916)
    {
        m_clock->time.set(kMinute + secondsFrom0916);
        m_clock->start(m_prompts);
    }
    void tickAt(int secondsFrom0916)
    {
        m_clock->time.set(kMinute + secondsFrom0916);
        m_clock->dialog->schedule().tick();
    }
    QDBusMessage addMockMethod(const QString &name, const QString &code)
    {
        return callMock("org.freedesktop.DBus.Mock", "AddMethod",
                        {"org.freedesktop.login1.Manager", name, "b", "", code});
    }
    // The calls logind got in this test; asking the mock first puts every earlier call in its log.
    QStringList loggedCalls() const
    {
        callMock("org.freedesktop.DBus.Mock", "GetCalls");
        QFile log(m_log);
        if (!log.open(QIODevice::ReadOnly) || !log.seek(m_logSeen))
            return {"log unreadable"};
        QStringList calls;
        for (const QByteArray &line : log.readAll().split('\n')) {
            if (line.contains("PowerOff True") || line.contains("Halt True") || line.contains("Suspend True"))
                calls << line.mid(line.indexOf(' ') + 1);
        }
        return calls;
    }
    template <typename T>
    T *control(const char *name) const { return m_clock->dialog->findChild<T *>(name); }
    QPushButton *button() const { return control<QPushButton>("setShutdownButton"); }
    QLineEdit *timeEdit() const { return control<QLineEdit>("shutdownTimeEdit"); }
    QCheckBox *powerOffBox() const { return control<QCheckBox>("powerOffCheck"); }
    QCheckBox *suspendBox() const { return control<QCheckBox>("suspendCheck"); }
    QComboBox *waitCombo() const { return control<QComboBox>("sleepWaitCombo"); }
    SleepTimer *timer() const { return m_clock->dialog->findChild<SleepTimer *>(); }

    const ScopedTimeZone m_zone{"Asia/Dhaka"};
    const qint64 kMinute = VirtualTimeSource::fromLocal(2026, 12, 6, 9, 16, 0);
    QTemporaryDir m_dir;
    const QString m_log = m_dir.filePath("logind-calls.log");
    const QString m_notified = m_dir.filePath("notifications.log");
    qint64 m_logSeen = 0;
    QProcess m_bus;
    QProcess m_mock;
    QProcess m_sessionBus;
    QProcess m_daemon;
    ScriptedPrompts m_prompts;
    std::unique_ptr<RunningClock> m_clock;
};

QTEST_MAIN(TestSleepTimer)
#include "tst_sleeptimer.moc"
