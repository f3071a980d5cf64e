#include "app/runningclock.h"
#include "core/clockschedule.h"
#include "power/sleeptimer.h"
#include "support/scopedtimezone.h"
#include "timetext/timeofday.h"

#include <QCheckBox>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
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
// private bus that stands in for the system bus.
class TestSleepTimer : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        m_bus.start("dbus-daemon", {"--session", "--nofork", "--print-address=1"});
        QVERIFY(m_bus.waitForReadyRead(10000));
        qputenv("DBUS_SYSTEM_BUS_ADDRESS", m_bus.readLine().trimmed());
        m_mock.start("/usr/bin/python3", {"-m", "dbusmock", "--system", "--template", "logind", "-l", m_log});
        QTRY_VERIFY_WITH_TIMEOUT(QDBusConnection::systemBus().interface()->isServiceRegistered(kLogind), 15000);
    }

    void cleanupTestCase()
    {
        for (QProcess *process : {&m_mock, &m_bus}) {
            process->terminate();
            process->waitForFinished();
        }
    }

    void init()
    {
        for (const char *method : {"PowerOff", "Halt"}) // the template has no Halt
            QVERIFY(addMockMethod(method, "").type() == QDBusMessage::ReplyMessage);
        m_logSeen = QFileInfo(m_log).size();
        m_clock = std::make_unique<RunningClock>();
    }

    void cleanup()
    {
        m_clock.reset();
        QVERIFY(m_prompts.allShown());
    }

    // Enabling shows the stored choice without arming; Set refuses a time that is not one.
    void enableAndRefuse()
    {
        m_clock->profile->writeInt("Shutdown", "ShutdownTime", 1350);
        m_clock->profile->writeInt("Shutdown", "PowerOff", 1);
        startClock(0);
        control<QCheckBox>("sleepTimerCheck")->click();
        QCOMPARE(timeEdit()->text(), QString("10:30 PM"));
        QVERIFY(powerOffBox()->isChecked() && !timer()->armed());

        timeEdit()->setText("24:00");
        m_prompts.expectMessage(timeFormatMessage("24:00"), "Chimewise");
        button()->click();
        QVERIFY(!timer()->armed());
        QCOMPARE(m_clock->dialog->focusWidget(), timeEdit());
    }

    void shutdownAtTheArmedMinute_data()
    {
        QTest::addColumn<bool>("powerOff");
        QTest::addColumn<bool>("refused");
        QTest::addColumn<bool>("showAgain"); // Show pressed after Set
        QTest::addColumn<int>("late");       // seconds after 09:16:00 of the next tick
        QTest::addColumn<QString>("call");   // what logind is asked, empty for nothing
        QTest::newRow("halt") << false << false << false << 0 << "Halt True";
        QTest::newRow("disarmed by Show") << true << false << true << 0 << "";
        QTest::newRow("a busy second") << true << false << false << 5 << "PowerOff True";
        // The user is at the machine again after a stop or a sleep: it is not stopped late.
        QTest::newRow("three minutes late") << true << false << false << 180 << "";
        QTest::newRow("woken long after the minute") << true << false << false << 4000 << "";
        QTest::newRow("power off refused") << true << true << false << 0 << "PowerOff True";
        QTest::newRow("halt refused") << false << true << false << 0 << "Halt True";
    }

    // A refusal is told once, without waiting for anybody, and leaves it armed.
    void shutdownAtTheArmedMinute()
    {
        QFETCH(bool, powerOff);
        QFETCH(bool, refused);
        QFETCH(bool, showAgain);
        QFETCH(int, late);
        QFETCH(QString, call);
        if (refused)
            QVERIFY(addMockMethod(powerOff ? "PowerOff" : "Halt", kRefusal).type() == QDBusMessage::ReplyMessage);
        startClock(-10);
        control<QCheckBox>("sleepTimerCheck")->click();
        timeEdit()->setText("09:16");
        powerOffBox()->setChecked(powerOff);
        button()->click();
        if (showAgain)
            button()->click();
        tickAt(-5);

        const QString message = QString(powerOff ? "Shutdown & Poweroff :: %1" : "Shutdown only :: %1")
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

private:
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
            if (line.contains("PowerOff True") || line.contains("Halt True"))
                calls << line.mid(line.indexOf(' ') + 1);
        }
        return calls;
    }
    template <typename T>
    T *control(const char *name) const { return m_clock->dialog->findChild<T *>(name); }
    QPushButton *button() const { return control<QPushButton>("setShutdownButton"); }
    QLineEdit *timeEdit() const { return control<QLineEdit>("shutdownTimeEdit"); }
    QCheckBox *powerOffBox() const { return control<QCheckBox>("powerOffCheck"); }
    SleepTimer *timer() const { return m_clock->dialog->findChild<SleepTimer *>(); }

    const ScopedTimeZone m_zone{"Asia/Dhaka"};
    const qint64 kMinute = VirtualTimeSource::fromLocal(2026, 12, 6, 9, 16, 0);
    QTemporaryDir m_dir;
    const QString m_log = m_dir.filePath("logind-calls.log");
    qint64 m_logSeen = 0;
    QProcess m_bus;
    QProcess m_mock;
    ScriptedPrompts m_prompts;
    std::unique_ptr<RunningClock> m_clock;
};

QTEST_MAIN(TestSleepTimer)
#include "tst_sleeptimer.moc"
