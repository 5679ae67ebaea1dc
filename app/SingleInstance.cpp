#include "app/SingleInstance.h"

#include <QDir>
#include <QLocalSocket>
#include <QStandardPaths>

namespace {
constexpr int kConnectMs = 1000;

// The user's runtime folder keeps the lock and the socket private to the user.
QString PerUserPath(const QString& strName)
{
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty())
        dir = QDir::tempPath() + QLatin1Char('/') + strName + QLatin1Char('-') + qEnvironmentVariable("USER");
    QDir().mkpath(dir);
    return dir + QLatin1Char('/') + strName;
}
} // namespace

CSingleInstance::CSingleInstance(const QString& strName) : m_strSocket(PerUserPath(strName) + QStringLiteral(".socket"))
{
    m_pLock = std::make_unique<QLockFile>(PerUserPath(strName) + QStringLiteral(".lock"));
    connect(&m_Server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = m_Server.nextPendingConnection())
            socket->deleteLater();
        emit activationRequested();
    });
}

bool CSingleInstance::Claim()
{
    // A lock left by a crashed copy is taken over: the lock file records its owner's process.
    m_pLock->setStaleLockTime(0);
    // Only a lock held by a running copy means "second copy"; a folder we cannot write
    // must not keep the viewer from starting.
    if (!m_pLock->tryLock() && m_pLock->error() == QLockFile::LockFailedError) {
        QLocalSocket socket;
        socket.connectToServer(m_strSocket);
        socket.waitForConnected(kConnectMs);
        return false;
    }
    // A socket left by a crashed copy would block listening.
    QLocalServer::removeServer(m_strSocket);
    m_Server.listen(m_strSocket);
    return true;
}
