#include "remover/SettingsRemover.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <cerrno>
#include <cstdio>
#include <unistd.h>

namespace {
const char* const kSections[] = {"App", "Frame", "Chart", "Board"};

// Removes one section and writes the file; the section must exist.
int DeleteSection(QSettings& settings, const QString& section)
{
    if (!settings.childGroups().contains(section))
        return ENOENT;
    settings.remove(section);
    settings.sync();
    return settings.status() == QSettings::NoError ? 0 : EIO;
}

int ErrnoOf(bool bOk)
{
    return bOk ? 0 : (errno != 0 ? errno : EIO);
}
} // namespace

int DeleteStoredSettings(const QString& configHome)
{
    const QDir software(configHome);
    // A fresh account may have no configuration folder at all: nothing is stored then.
    if (!software.exists())
        return 0;
    const QString norvPath = software.filePath(QStringLiteral("Norv"));
    if (!QFileInfo(norvPath).isDir())
        return QFileInfo::exists(norvPath) ? ENOTDIR : 0; // nothing stored: nothing to delete
    const QString norv2Path = QDir(norvPath).filePath(QStringLiteral("Norv2.conf"));
    if (::access(norv2Path.toLocal8Bit().constData(), R_OK | W_OK) != 0)
        return errno;

    {
        QSettings settings(norv2Path, QSettings::IniFormat);
        for (const char* section : kSections)
            if (const int nError = DeleteSection(settings, QLatin1String(section)))
                return nError;
        // Like a registry key, the file goes only once it holds nothing more.
        if (!settings.allKeys().isEmpty())
            return ENOTEMPTY;
    }
    errno = 0;
    if (const int nError = ErrnoOf(::unlink(norv2Path.toLocal8Bit().constData()) == 0))
        return nError;
    errno = 0;
    return ErrnoOf(::rmdir(norvPath.toLocal8Bit().constData()) == 0);
}

QString RemoverMessage(int nResult)
{
    if (nResult == 0)
        return QStringLiteral("規定のレジストリキーを削除しました");
    return QStringLiteral("レジストリの削除に失敗しました\nError Code : [%1]").arg(nResult);
}
