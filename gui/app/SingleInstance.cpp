#include "gui/app/SingleInstance.h"

#include <QDir>
#include <QLocalSocket>
#include <QStandardPaths>
#include <cstdio>
#include <sys/stat.h>
#include <unistd.h>

namespace {
constexpr int kConnectMs = 1000;

// Whether the folder (made 0700 when missing) is the user's alone: a folder itself, not a
// symbolic link, owned by the user and writable by nobody else. A folder that another user
// could have made or can write to would let that user keep the viewer from starting.
bool IsPrivateFolder(const QString& strDir)
{
    const QByteArray path = QFile::encodeName(strDir);
    ::mkdir(path.constData(), 0700);
    struct stat st
    {
    };
    return ::lstat(path.constData(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == ::geteuid() &&
           (st.st_mode & (S_IWGRP | S_IWOTH)) == 0;
}
} // namespace

CSingleInstance::CSingleInstance(const QString& strName)
{
    // The user's runtime folder keeps the lock and the socket private to the user (Qt has
    // checked it); without one, a folder of the user's own under the temporary folder.
    QString strDir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (strDir.isEmpty()) {
        strDir = QDir::tempPath() + QLatin1Char('/') + strName + QLatin1Char('-') + QString::number(::geteuid());
        if (!IsPrivateFolder(strDir)) {
            m_strRefusedDir = strDir;
            return;
        }
    }
    const QString strBase = strDir + QLatin1Char('/') + strName;
    m_strSocket = strBase + QStringLiteral(".socket");
    m_strLockFile = strBase + QStringLiteral(".lock");
    m_pLock = std::make_unique<QLockFile>(m_strLockFile);
    connect(&m_Server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = m_Server.nextPendingConnection())
            socket->deleteLater();
        emit activationRequested();
    });
}

bool CSingleInstance::Claim()
{
    if (!m_pLock) {
        std::fprintf(stderr, "Norv2: %s: このユーザー専用のフォルダではないので、二重起動を確かめずに起動します\n",
                     QFile::encodeName(m_strRefusedDir).constData());
        return true;
    }
    // A lock left by a crashed copy is taken over: the lock file records its owner's process.
    m_pLock->setStaleLockTime(0);
    // Only a lock held by a running copy means "second copy"; a folder we cannot write
    // must not keep the viewer from starting.
    if (!m_pLock->tryLock() && m_pLock->error() == QLockFile::LockFailedError && !TakeOverOwnerlessLock()) {
        QLocalSocket socket;
        socket.connectToServer(m_strSocket);
        if (!socket.waitForConnected(kConnectMs) && !NamesItsOwner())
            std::fprintf(stderr, "Norv2: %s: ロックファイルが読めず、起動中の Norv2 も応答しないので終了します\n",
                         QFile::encodeName(m_strLockFile).constData());
        return false;
    }
    // A socket left by a crashed copy would block listening.
    QLocalServer::removeServer(m_strSocket);
    m_Server.listen(m_strSocket);
    return true;
}

bool CSingleInstance::NamesItsOwner() const
{
    qint64 nPid = 0;
    QString strHost, strApp;
    return m_pLock->getLockInfo(&nPid, &strHost, &strApp);
}

bool CSingleInstance::TakeOverOwnerlessLock()
{
    // Qt takes over a lock whose process is gone, but keeps one that names no process (left
    // empty by a copy killed while writing it). A running copy keeps its lock file locked
    // while it runs, so removing the file as stale fails while one does.
    return !NamesItsOwner() && m_pLock->removeStaleLockFile() && m_pLock->tryLock();
}
