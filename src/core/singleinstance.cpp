#include "core/singleinstance.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QThread>

#include <unistd.h>

namespace {

const QByteArray kShowRequest = "show\n";
const QByteArray kShowAnswer = "ok\n";
constexpr int kConnectTimeoutMs = 500;
constexpr int kAnswerTimeoutMs = 2000;
// How long a start waits for a copy that holds the lock to begin listening.
constexpr int kClaimTimeoutMs = 10000;
// A request is one short line; anything longer is not from a copy of the clock.
constexpr qint64 kMaxRequestBytes = 64;

} // namespace

SingleInstance::SingleInstance(const QString &runtimeDir, QObject *parent)
    : QObject(parent)
{
    const QString base = QDir(runtimeDir).filePath(QString("chimewise-%1").arg(getuid()));
    m_socketPath = base + ".socket";
    m_lock = std::make_unique<QLockFile>(base + ".lock");
    // The clock runs for days: only a dead owner makes the lock stale, never its age.
    m_lock->setStaleLockTime(0);
}

SingleInstance::~SingleInstance() = default;

SingleInstance::Role SingleInstance::claim()
{
    QDir().mkpath(QFileInfo(m_socketPath).absolutePath());
    const QDeadlineTimer deadline(kClaimTimeoutMs);
    for (;;) {
        if (askRunningCopy())
            return Role::Secondary;
        if (m_lock->tryLock(0))
            break;
        // Another copy holds the lock and is about to listen, or died
        // (then tryLock finds the lock stale and removes it).
        if (deadline.hasExpired())
            break;
        QThread::msleep(50);
    }

    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    // Holding the lock means no live copy listens: a socket left here is from a crash.
    QLocalServer::removeServer(m_socketPath);
    m_server->listen(m_socketPath);
    connect(m_server, &QLocalServer::newConnection, this, &SingleInstance::answer);
    return Role::Primary;
}

bool SingleInstance::askRunningCopy()
{
    QLocalSocket socket;
    socket.connectToServer(m_socketPath);
    if (!socket.waitForConnected(kConnectTimeoutMs))
        return false;
    socket.write(kShowRequest);
    socket.waitForBytesWritten(kAnswerTimeoutMs);
    // A copy that accepted the connection is alive even if its answer is slow.
    socket.waitForReadyRead(kAnswerTimeoutMs);
    return true;
}

void SingleInstance::answer()
{
    while (QLocalSocket *socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (!socket->canReadLine()) {
                if (socket->bytesAvailable() > kMaxRequestBytes)
                    socket->abort();
                return;
            }
            if (socket->readLine() == kShowRequest)
                emit activationRequested();
            socket->write(kShowAnswer);
            socket->disconnectFromServer();
        });
    }
}
