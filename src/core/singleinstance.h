#pragma once

#include <QObject>
#include <QString>

#include <memory>

class QLocalServer;
class QLockFile;

// One clock per user. A second start hands its request to the running
// copy over a per-user local socket and ends; the listening side is
// guarded by a lock file so that two copies started at the same instant
// cannot both win.
class SingleInstance : public QObject
{
    Q_OBJECT

public:
    enum class Role { Primary, Secondary };

    // runtimeDir: where the socket and the lock live (per user, private).
    explicit SingleInstance(const QString &runtimeDir, QObject *parent = nullptr);
    ~SingleInstance() override;

    // Secondary: a running copy took the request to show itself.
    // Primary: this copy now answers later starts.
    Role claim();

    QString socketPath() const { return m_socketPath; }

signals:
    void activationRequested();

private:
    bool askRunningCopy();
    void answer();

    QString m_socketPath;
    std::unique_ptr<QLockFile> m_lock;
    QLocalServer *m_server = nullptr;
};
