#pragma once
#include <QFileSystemWatcher>
#include <QObject>

// The help file in the current folder, where the help command looks for it; its presence
// is followed as the folder changes.
class CHelpFileWatcher : public QObject
{
    Q_OBJECT

public:
    explicit CHelpFileWatcher(QObject* pParent = nullptr);

    bool Exists() const;
    // Opens it with the desktop's opener, a child of owner (message 10011 when none could).
    void Open(QObject& owner) const;

signals:
    // The folder changed: the file may have come or gone.
    void presenceChanged(bool bExists);

private:
    QFileSystemWatcher m_Watcher;
};
