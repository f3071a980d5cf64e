#include "core/singleinstance.h"

#include <QLocalSocket>
#include <QLockFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Leaves a socket file behind with nobody listening, as a killed copy does.
void leaveDeadSocket(const QString &path)
{
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray name = QFile::encodeName(path);
    std::memcpy(address.sun_path, name.constData(), size_t(name.size()));
    QCOMPARE(::bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof address), 0);
    ::listen(fd, 1);
    ::close(fd);
    QVERIFY(QFileInfo::exists(path));
}

// Leaves a lock behind whose owner has died, as a killed copy does.
void leaveDeadLock(const QString &path)
{
    const pid_t child = fork();
    if (child == 0) {
        QLockFile lock(path);
        lock.tryLock(0);
        _exit(lock.isLocked() ? 0 : 1);
    }
    int status = 0;
    QCOMPARE(waitpid(child, &status, 0), child);
    QCOMPARE(WEXITSTATUS(status), 0);
    QVERIFY(QFileInfo::exists(path));
}

} // namespace

class TestSingleInstance : public QObject
{
    Q_OBJECT

private slots:
    void laterStartsReachTheFirstCopy_data();
    void laterStartsReachTheFirstCopy();
    void strangeRequestsAreTurnedAway_data();
    void strangeRequestsAreTurnedAway();

private:
    // Claims from another thread, as a second program would, while this
    // thread keeps the first copy's event loop running.
    SingleInstance::Role claimElsewhere(const QString &runtimeDir);
};

SingleInstance::Role TestSingleInstance::claimElsewhere(const QString &runtimeDir)
{
    SingleInstance::Role role = SingleInstance::Role::Primary;
    std::unique_ptr<QThread> other(QThread::create([&] { role = SingleInstance(runtimeDir).claim(); }));
    other->start();
    if (!QTest::qWaitFor([&] { return other->isFinished(); }, 15000))
        qFatal("the second claim never returned");
    return role;
}

void TestSingleInstance::laterStartsReachTheFirstCopy_data()
{
    QTest::addColumn<bool>("socketLeft");
    QTest::addColumn<bool>("lockLeft");
    QTest::newRow("clean start") << false << false;
    // What a killed copy leaves behind does not stop a new one.
    QTest::newRow("socket file") << true << false;
    QTest::newRow("lock file") << false << true;
    QTest::newRow("socket and lock") << true << true;
}

void TestSingleInstance::laterStartsReachTheFirstCopy()
{
    QFETCH(bool, socketLeft);
    QFETCH(bool, lockLeft);
    QTemporaryDir runtime;
    const QString base = runtime.filePath(QString("chimewise-%1").arg(getuid()));
    if (socketLeft)
        leaveDeadSocket(base + ".socket");
    if (lockLeft)
        leaveDeadLock(base + ".lock");

    SingleInstance first(runtime.path());
    QCOMPARE(first.socketPath(), base + ".socket");
    QSignalSpy activations(&first, &SingleInstance::activationRequested);
    QCOMPARE(first.claim(), SingleInstance::Role::Primary);
    // The first copy really listens: every later start reaches it.
    for (int start = 1; start <= 2; ++start) {
        QCOMPARE(claimElsewhere(runtime.path()), SingleInstance::Role::Secondary);
        QTRY_COMPARE(activations.size(), start);
    }
}

void TestSingleInstance::strangeRequestsAreTurnedAway_data()
{
    QTest::addColumn<QByteArray>("request");
    QTest::newRow("unknown line") << QByteArray("quit\n");
    QTest::newRow("endless line") << QByteArray(1000, 'x');
}

void TestSingleInstance::strangeRequestsAreTurnedAway()
{
    QFETCH(QByteArray, request);
    QTemporaryDir runtime;
    SingleInstance first(runtime.path());
    QSignalSpy activations(&first, &SingleInstance::activationRequested);
    QCOMPARE(first.claim(), SingleInstance::Role::Primary);

    bool closedByTheClock = false;
    std::unique_ptr<QThread> other(QThread::create([&] {
        QLocalSocket socket;
        socket.connectToServer(first.socketPath());
        if (!socket.waitForConnected(1000))
            return;
        socket.write(request);
        socket.waitForBytesWritten(1000);
        closedByTheClock = socket.state() == QLocalSocket::UnconnectedState
            || socket.waitForDisconnected(5000);
    }));
    other->start();
    QTRY_VERIFY_WITH_TIMEOUT(other->isFinished(), 10000);
    QVERIFY(closedByTheClock);
    QCOMPARE(activations.size(), 0);
}

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "tst_singleinstance.moc"
