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

    // True when this copy is the first; false after a running copy was asked to come forward.
    bool Claim();

signals:
    // Another copy was started: bring the main window to the front.
    void activationRequested();

private:
    QString m_strSocket;
    std::unique_ptr<QLockFile> m_pLock;
    QLocalServer m_Server;
};
