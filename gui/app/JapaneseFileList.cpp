#include "gui/app/JapaneseFileList.h"

#include <QDateTime>
#include <QFileSystemModel>
#include <QLocale>

namespace {
// The columns of Qt's file model that hold figures.
constexpr int kSizeColumn = 1;
constexpr int kDateColumn = 3;
} // namespace

QVariant CJapaneseFileList::data(const QModelIndex& index, int nRole) const
{
    const auto* pFiles = qobject_cast<const QFileSystemModel*>(sourceModel());
    if (!pFiles || nRole != Qt::DisplayRole || (index.column() != kSizeColumn && index.column() != kDateColumn))
        return QIdentityProxyModel::data(index, nRole);
    const QFileInfo info = pFiles->fileInfo(mapToSource(index));
    const QLocale japanese(QLocale::Japanese, QLocale::Japan);
    if (index.column() == kDateColumn)
        return japanese.toString(info.lastModified(), QLocale::ShortFormat);
    // A folder has no size to show; a file's is in KB and MB, as Japanese desktops write it.
    return info.isDir() ? QIdentityProxyModel::data(index, nRole)
                        : japanese.formattedDataSize(info.size(), 1, QLocale::DataSizeTraditionalFormat);
}
