#include "gui/frame/HelpFileWatcher.h"

#include <QDir>
#include <QFile>

#include "gui/base/HelpFile.h"

namespace {
const char* const kHelpFile = "Norv2.chm";

QString HelpFilePath()
{
    return QDir::current().absoluteFilePath(QLatin1String(kHelpFile));
}
} // namespace

CHelpFileWatcher::CHelpFileWatcher(QObject* pParent) : QObject(pParent)
{
    m_Watcher.addPath(QDir::currentPath());
    connect(&m_Watcher, &QFileSystemWatcher::directoryChanged, this, [this] { emit presenceChanged(Exists()); });
}

bool CHelpFileWatcher::Exists() const
{
    return QFile::exists(HelpFilePath());
}

void CHelpFileWatcher::Open(QObject& owner) const
{
    OpenHelpFile(HelpFilePath(), owner);
}
