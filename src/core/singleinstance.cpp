#include "core/singleinstance.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileSystemWatcher>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QRegularExpression>
#include <QThread>
#include <QTimer>

#include <optional>

#include <sys/un.h>
#include <unistd.h>

namespace {

// "show\n", or "show TOKEN\n" with the later start's activation token.
const QByteArray kShowRequest = "show";
const QByteArray kShowAnswer = "ok\n";
constexpr int kConnectTimeoutMs = 500;
constexpr int kAnswerTimeoutMs = 2000;
// How long a later start keeps trying to reach a copy that holds the lock
// (it may be starting up); then it ends all the same.
constexpr int kReachTimeoutMs = 5000;
// A request is one short line; anything longer is not from a copy of the clock.
constexpr qint64 kMaxRequestBytes = 512;
// A copy of the clock asks at once: a connection idle this long is dropped,
// and no more than this many are kept, so that they cannot use up the
// descriptors the clock needs.
constexpr int kIdleConnectionMs = 3000;
constexpr int kMaxConnections = 8;
// How often the running copy checks that later starts can still reach it,
// beside the check when its socket file changes (a server that gives up
// deletes it). Rarely: a clock shown every second should not wake for more.
constexpr int kListenCheckMs = 60000;

// The socket lives beside the lock unless that path is too long for a
// socket name; then it falls back to a short name of its own under /tmp.
QString socketPathFor(const QString &base)
{
    const QString path = base + ".socket";
    if (QFile::encodeName(path).size() < qsizetype(sizeof(sockaddr_un::sun_path)))
        return path;
    const QByteArray place = QCryptographicHash::hash(base.toUtf8(), QCryptographicHash::Md5);
    return QString("/tmp/chimewise-%1-%2.socket").arg(getuid()).arg(QString(place.toHex().left(8)));
}

// The token of a show request, or nothing when the line is no such request.
std::optional<QByteArray> requestedToken(const QByteArray &line)
{
    static const QRegularExpression request("^show(?: ([\\x21-\\x7e]+))?\n$");
    if (line.size() > kMaxRequestBytes)
        return std::nullopt;
    const QRegularExpressionMatch match = request.match(QString::fromLatin1(line));
    if (!match.hasMatch())
        return std::nullopt;
    return match.captured(1).toLatin1();
}

} // namespace

SingleInstance::SingleInstance(const QString &runtimeDir, QObject *parent)
    : QObject(parent)
{
    const QString base = QDir(runtimeDir).filePath(QString("chimewise-%1").arg(getuid()));
    m_socketPath = socketPathFor(base);
    m_lock = std::make_unique<QLockFile>(base + ".lock");
    // The clock runs for days: only a dead owner makes the lock stale, never its age.
    m_lock->setStaleLockTime(0);
}

SingleInstance::~SingleInstance() = default;

SingleInstance::Role SingleInstance::claim(const QByteArray &activationToken)
{
    QDir().mkpath(QFileInfo(m_lock->fileName()).absolutePath());
    // The lock decides: while a live copy holds it, this start only asks
    // that copy to show itself, whether or not it can be reached.
    if (!m_lock->tryLock(0) && m_lock->error() == QLockFile::LockFailedError) {
        const QDeadlineTimer deadline(kReachTimeoutMs);
        while (!askRunningCopy(activationToken) && !deadline.hasExpired())
            QThread::msleep(100);
        return Role::Secondary;
    }
    if (m_lock->error() != QLockFile::NoError)
        qWarning("Chimewise: %s cannot be locked; a second clock could start beside this one.",
                 qPrintable(m_lock->fileName()));

    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server, &QLocalServer::newConnection, this, &SingleInstance::answer);
    // The socket file can be removed, and a server that runs out of
    // descriptors closes itself: then listen again.
    m_socketWatch = new QFileSystemWatcher(this);
    connect(m_socketWatch, &QFileSystemWatcher::fileChanged, this, &SingleInstance::keepListening);
    listen();
    auto *check = new QTimer(this);
    connect(check, &QTimer::timeout, this, &SingleInstance::keepListening);
    check->start(kListenCheckMs);
    return Role::Primary;
}

void SingleInstance::listen()
{
    m_server->close();
    // Holding the lock means no live copy listens: a socket left here is from a crash.
    QLocalServer::removeServer(m_socketPath);
    const QString failure = m_server->listen(m_socketPath) ? QString() : m_server->errorString();
    // Said once, not at every check while it lasts.
    if (!failure.isEmpty() && failure != m_listenFailure)
        qWarning("Chimewise: later starts cannot reach this clock at %s: %s", qPrintable(m_socketPath),
                 qPrintable(failure));
    m_listenFailure = failure;
    if (failure.isEmpty() && !m_socketWatch->files().contains(m_socketPath))
        m_socketWatch->addPath(m_socketPath);
}

void SingleInstance::keepListening()
{
    if (!m_server->isListening() || !QFileInfo::exists(m_socketPath))
        listen();
}

bool SingleInstance::askRunningCopy(const QByteArray &token)
{
    QLocalSocket socket;
    socket.connectToServer(m_socketPath);
    if (!socket.waitForConnected(kConnectTimeoutMs))
        return false;
    // A token that cannot travel on the line is left behind; the copy still shows itself.
    const bool sendable = !token.isEmpty() && requestedToken(kShowRequest + ' ' + token + '\n');
    socket.write(kShowRequest + (sendable ? ' ' + token : QByteArray()) + '\n');
    socket.waitForBytesWritten(kAnswerTimeoutMs);
    // A copy that accepted the connection is alive even if its answer is slow.
    socket.waitForReadyRead(kAnswerTimeoutMs);
    return true;
}

void SingleInstance::answer()
{
    while (QLocalSocket *socket = m_server->nextPendingConnection()) {
        // The oldest connection gives way to the newest, which may be a start waiting.
        if (m_connections.size() >= kMaxConnections)
            drop(m_connections.first());
        m_connections.append(socket);
        connect(socket, &QLocalSocket::disconnected, this, [this, socket] { drop(socket); });
        QTimer::singleShot(kIdleConnectionMs, socket, [this, socket] { drop(socket); });
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (!socket->canReadLine()) {
                if (socket->bytesAvailable() > kMaxRequestBytes)
                    drop(socket);
                return;
            }
            if (const auto token = requestedToken(socket->readLine()))
                emit activationRequested(*token);
            socket->write(kShowAnswer);
            socket->disconnectFromServer();
        });
    }
}

void SingleInstance::drop(QLocalSocket *socket)
{
    m_connections.removeOne(socket);
    socket->abort();
    socket->deleteLater();
}
