#include "app/clockmenus.h"
#include "app/commandids.h"
#include "app/runningclock.h"
#include "support/notificationbus.h"
#include "support/notificationbutton.h"

#include <QTest>

// The first start of an installed clock asks once, in a desktop notification (a mock daemon on a
// private session bus), whether to start at login, and does as answered; a clock in a build tree
// never asks.
class TestLoginQuestion : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_bus.start());
    }

    void answer_data()
    {
        QTest::addColumn<QString>("answer"); // the pressed action's key, empty: none
        QTest::addColumn<bool>("on");
        QTest::newRow("Start at login") << "start-at-login" << true;
        QTest::newRow("Not now") << "not-now" << false;
        QTest::newRow("no answer") << "" << false;
    }

    void answer()
    {
        QFETCH(QString, answer);
        QFETCH(bool, on);
        RunningClock clock("/usr/bin/chimewise");
        const qsizetype before = asked();
        clock.start();
        QTRY_COMPARE(asked(), before + 1);
        QVERIFY(m_bus.log().contains(kActions));
        QCOMPARE(clock.profile->readInt("Startup", "LoginStartOffered", 0), 1);

        const uint id = m_bus.log().count(" Notify "); // the daemon numbers them from 1
        if (!answer.isEmpty()) {
            pressNotificationButton(id, answer);
            QTRY_VERIFY(m_bus.log().contains(QString("CloseNotification %1").arg(id)));
        }
        QTRY_COMPARE(clock.loginStart.isOn(), on);
        QCOMPARE(clock.dialog->menus().isChecked(Command::StartAtLogin), on);
        if (on)
            QVERIFY(clock.loginStart.entryText().contains("\nExec=/usr/bin/chimewise\n"));

        // Asked once: the next start keeps the answer and asks nothing.
        clock.start();
        QTest::qWait(200);
        QCOMPARE(asked(), before + 1);
        QCOMPARE(clock.loginStart.isOn(), on);
    }

    // A build's own program, beside its CMakeCache.txt, is never offered the autostart.
    void buildTreeIsNeverOffered()
    {
        QTemporaryDir build;
        QFile cache(build.filePath("CMakeCache.txt"));
        QVERIFY(cache.open(QIODevice::WriteOnly));
        RunningClock clock(build.filePath("chimewise"));
        QVERIFY(clock.loginStart.runsFromBuildTree());
        const qsizetype before = asked();
        clock.start();
        QTest::qWait(200);
        QCOMPARE(asked(), before);
        QCOMPARE(clock.profile->readInt("Startup", "LoginStartOffered", 0), 0);
        QVERIFY(!clock.loginStart.isOn());
    }

private:
    qsizetype asked() const { return m_bus.log().count("\"Start Chimewise at login?\""); }

    const QString kActions = "[\"start-at-login\", \"Start at login\", \"not-now\", \"Not now\"]";
    NotificationBus m_bus;
};

QTEST_MAIN(TestLoginQuestion)
#include "tst_loginquestion.moc"
