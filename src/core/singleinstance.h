#pragma once

#include <QList>
#include <QObject>
#include <QString>

#include <memory>

class QFileSystemWatcher;
class QLocalServer;
class QLocalSocket;
class QLockFile;

// One clock per user, decided by a lock file that a live copy holds. A
// later start hands its request to the running copy over a per-user local
// socket and ends, whether or not it got through.
class SingleInstance : public QObject
{
    Q_OBJECT

public:
    enum class Role { Primary, Secondary };

    // runtimeDir: where the socket and the lock live (per user, private).
    explicit SingleInstance(const QString &runtimeDir, QObject *parent = nullptr);
    ~SingleInstance() override;

    // Secondary: a live copy holds the lock and was asked to show itself,
    // handed this start's activation token (Wayland's XDG_ACTIVATION_TOKEN)
    // when it has one. Primary: this copy now answers later starts.
    Role claim(const QByteArray &activationToken = {});

    QString socketPath() const { return m_socketPath; }

signals:
    // token: the later start's activation token, empty when it had none.
    void activationRequested(const QByteArray &token);

private:
    bool askRunningCopy(const QByteArray &token);
    void listen();
    void keepListening();
    void answer();
    void drop(QLocalSocket *socket);

    QString m_socketPath;
    std::unique_ptr<QLockFile> m_lock;
    QLocalServer *m_server = nullptr;
    QFileSystemWatcher *m_socketWatch = nullptr;
    QList<QLocalSocket *> m_connections; // oldest first
    QString m_listenFailure;              // of the latest listen, empty when it succeeded
};
