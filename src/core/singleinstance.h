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

    // Secondary: a live copy holds the lock and was asked to show itself.
    // Primary: this copy now answers later starts.
    Role claim();

    QString socketPath() const { return m_socketPath; }

signals:
    void activationRequested();

private:
    bool askRunningCopy();
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
