#include "core/singleinstance.h"

#include <QLocalSocket>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <sys/wait.h>
#include <unistd.h>

class TestSingleInstance : public QObject
{
    Q_OBJECT

private slots:
    void laterStartsReachTheFirstCopy_data()
    {
        QTest::addColumn<bool>("killedCopyBefore");
        QTest::newRow("clean start") << false;
        // Its lock and socket file left behind do not stop a new copy.
        QTest::newRow("after a killed copy") << true;
    }

    void laterStartsReachTheFirstCopy()
    {
        QFETCH(bool, killedCopyBefore);
        QTemporaryDir runtime;
        const QString base = runtime.filePath(QString("chimewise-%1").arg(getuid()));
        if (killedCopyBefore) {
            const pid_t child = fork();
            if (child == 0)
                _exit(SingleInstance(runtime.path()).claim() == SingleInstance::Role::Primary ? 0 : 1);
            int status = 1;
            QCOMPARE(waitpid(child, &status, 0), child);
            QCOMPARE(WEXITSTATUS(status), 0);
            QVERIFY(QFileInfo::exists(base + ".socket") && QFileInfo::exists(base + ".lock"));
        }

        SingleInstance first(runtime.path());
        QCOMPARE(first.socketPath(), base + ".socket");
        QSignalSpy activations(&first, &SingleInstance::activationRequested);
        QCOMPARE(first.claim(), SingleInstance::Role::Primary);
        // The first copy really listens: every later start reaches it.
        for (int start = 1; start <= 2; ++start) {
            SingleInstance::Role role = SingleInstance::Role::Primary;
            runElsewhere([&] { role = SingleInstance(runtime.path()).claim(); });
            QCOMPARE(role, SingleInstance::Role::Secondary);
            QTRY_COMPARE(activations.size(), start);
        }
    }

    void strangeRequestsAreTurnedAway_data()
    {
        QTest::addColumn<QByteArray>("request");
        QTest::newRow("unknown line") << QByteArray("quit\n");
        QTest::newRow("endless line") << QByteArray(1000, 'x');
    }

    void strangeRequestsAreTurnedAway()
    {
        QFETCH(QByteArray, request);
        QTemporaryDir runtime;
        SingleInstance first(runtime.path());
        QSignalSpy activations(&first, &SingleInstance::activationRequested);
        QCOMPARE(first.claim(), SingleInstance::Role::Primary);

        bool closedByTheClock = false;
        runElsewhere([&] {
            QLocalSocket socket;
            socket.connectToServer(first.socketPath());
            if (!socket.waitForConnected(1000))
                return;
            socket.write(request);
            socket.waitForBytesWritten(1000);
            closedByTheClock =
                socket.state() == QLocalSocket::UnconnectedState || socket.waitForDisconnected(5000);
        });
        QVERIFY(closedByTheClock);
        QCOMPARE(activations.size(), 0);
    }

private:
    // Runs work on another thread, as a second program would, while this
    // thread keeps the first copy's event loop running.
    static void runElsewhere(const std::function<void()> &work)
    {
        std::unique_ptr<QThread> other(QThread::create(work));
        other->start();
        if (!QTest::qWaitFor([&] { return other->isFinished(); }, 15000))
            qFatal("the other side never finished");
    }
};

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "tst_singleinstance.moc"
