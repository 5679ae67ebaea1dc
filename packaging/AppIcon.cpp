#include "packaging/AppIcon.h"

#include <QDir>

QIcon AppIcon()
{
    QIcon compiledIn;
    for (const QFileInfo& png : QDir(QStringLiteral(":/norv2/icons")).entryInfoList(QDir::Files))
        compiledIn.addFile(png.filePath());
    return QIcon::fromTheme(QStringLiteral(NORV2_APP_ID), compiledIn);
}
