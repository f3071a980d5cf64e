#include "core/singleinstance.h"

#include <QLocalSocket>
#include <QProcess>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>
#include <QThread>

#include <sys/resource.h>

namespace {

// A start of the clock as a program of its own: this test run with "--clock DIR".
struct Clock
{
    // token: the activation token its starter handed it, if any.
    explicit Clock(const QString &runtime, rlim_t descriptors = 0, const QByteArray &token = {})
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove("XDG_ACTIVATION_TOKEN");
        if (!token.isEmpty())
            environment.insert("XDG_ACTIVATION_TOKEN", QString::fromLatin1(token));
        process.setProcessEnvironment(environment);
        if (descriptors) {
            process.setChildProcessModifier([descriptors] {
                const rlimit limit{descriptors, descriptors};
                setrlimit(RLIMIT_NOFILE, &limit);
            });
        }
        process.start(QCoreApplication::applicationFilePath(), {"--clock", runtime});
    }
    ~Clock()
    {
        process.kill();
        process.waitForFinished();
    }

    // Waits until it has said this line.
    bool says(const QByteArray &line)
    {
        return QTest::qWaitFor([&] { return (output += process.readAll()).contains(line + '\n'); }, 20000);
    }

    QProcess process;
    QByteArray output;
};

} // namespace

class TestSingleInstance : public QObject
{
    Q_OBJECT

private slots:
    // However the first clock's socket fares, a later start ends and reaches it.
    void oneClockPerUser_data()
    {
        QTest::addColumn<QString>("way");
        // Its lock and socket file left behind do not stop a new clock.
        QTest::newRow("after a killed clock") << "killed";
        QTest::newRow("socket file removed") << "removed";
        QTest::newRow("runtime path too long for a socket") << "long";
        QTest::newRow("idle connections use up descriptors") << "idle";
    }

    void oneClockPerUser()
    {
        QFETCH(QString, way);
        QTemporaryDir temporary;
        const QString runtime = temporary.filePath(way == "long" ? QString(60, 'd') + '/' + QString(60, 'e') : "run");
        QVERIFY(QDir().mkpath(runtime));
        const QString socket = SingleInstance(runtime).socketPath();
        const auto removeSocket = qScopeGuard([socket] { QFile::remove(socket); }); // may lie in /tmp
        if (way == "killed")
            QVERIFY(Clock(runtime).says("primary"));
        Clock first(runtime, way == "idle" ? 48 : 0);
        QVERIFY(first.says("primary"));
        std::vector<std::unique_ptr<QLocalSocket>> idle(way == "idle" ? 80 : 0);
        for (auto &connection : idle) {
            connection = std::make_unique<QLocalSocket>();
            connection->connectToServer(socket);
            connection->waitForConnected(200);
        }
        if (way == "removed")
            QVERIFY(QFile::remove(socket));
        Clock second(runtime);
        QVERIFY(second.says("secondary"));
        QVERIFY(first.says("shown"));
    }

    // A later start hands over the token that lets the first copy raise its window on Wayland;
    // one that cannot travel on a line stays behind, and the copy still shows itself.
    void activationTokenIsHandedOver_data()
    {
        QTest::addColumn<QByteArray>("token");
        QTest::addColumn<QByteArray>("said");
        QTest::newRow("none") << QByteArray() << QByteArray("shown");
        QTest::newRow("launcher's token") << QByteArray("kwin-4711_TIME12") << QByteArray("shown kwin-4711_TIME12");
        QTest::newRow("token with a space") << QByteArray("a b") << QByteArray("shown");
        QTest::newRow("token too long") << QByteArray(600, 't') << QByteArray("shown");
    }

    void activationTokenIsHandedOver()
    {
        QFETCH(QByteArray, token);
        QFETCH(QByteArray, said);
        QTemporaryDir runtime;
        Clock first(runtime.path());
        QVERIFY(first.says("primary"));
        Clock second(runtime.path(), 0, token);
        QVERIFY(second.says("secondary"));
        QVERIFY(first.says(said));
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

// "--clock DIR": claims DIR as a start of the clock would, says which role it
// got and, as the first copy, says "shown" (with the token handed over) for
// each later start until killed.
int main(int argc, char *argv[])
{
    if (argc == 3 && qstrcmp(argv[1], "--clock") == 0) {
        QCoreApplication app(argc, argv);
        SingleInstance instance(QString::fromLocal8Bit(argv[2]));
        const bool primary = instance.claim(qgetenv("XDG_ACTIVATION_TOKEN")) == SingleInstance::Role::Primary;
        QTextStream out(stdout);
        out << (primary ? "primary" : "secondary") << Qt::endl;
        QObject::connect(&instance, &SingleInstance::activationRequested, [&out](const QByteArray &token) {
            out << "shown" << (token.isEmpty() ? QByteArray() : ' ' + token) << Qt::endl;
        });
        return primary ? app.exec() : 0;
    }
    QCoreApplication app(argc, argv);
    TestSingleInstance test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_singleinstance.moc"
