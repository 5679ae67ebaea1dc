#pragma once
#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <memory>

// One running copy per user: the first holds a lock file and listens on a local
// socket; a later copy finds the lock taken, asks the first to come forward and ends.
class CSingleInstance : public QObject
{
    Q_OBJECT

public:
    // strName names the lock and the socket ("Norv2"), per user.
    explicit CSingleInstance(const QString& strName);

    // True when this copy is the first; false after a running copy was asked to come forward,
    // or, said on standard error, when a lock file that names no owner cannot be taken over
    // and no running copy answers.
    // Also true, after saying so on standard error, when there is no folder private to the
    // user for the lock: the viewer then runs without the guard.
    [[nodiscard]] bool Claim();

signals:
    // Another copy was started: bring the main window to the front.
    void activationRequested();

private:
    // Whether the lock file says which process holds it.
    bool NamesItsOwner() const;
    // Takes the lock when its file names no owner and no running copy holds it.
    bool TakeOverOwnerlessLock();

    QString m_strSocket;
    QString m_strLockFile;
    QString m_strRefusedDir;            // the folder that was not private, when there is no lock
    std::unique_ptr<QLockFile> m_pLock; // null without a private folder
    QLocalServer m_Server;
};
