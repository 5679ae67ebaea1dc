#include "gui/app/RecordFileDialog.h"

#include <QFileDialog>
#include <QFileSystemModel>

#include "core/record/RecordPath.h"
#include "gui/app/JapaneseFileList.h"
#include "gui/base/DialogAboveBoards.h"

namespace {
const char* const kFilterText = "Vesk記録ファイル(*.ｷﾛｸ)";

// Qt reads a filter's pattern from its brackets only when it is plain ASCII; the
// half-width katakana of the record extension would leave the list empty. The
// filter keeps its text, and the dialog's file model gets the pattern itself.
void ListRecordFilesOnly(QFileDialog& dialog)
{
    const QStringList patterns{QString::fromStdString(RecordPathOf("", "*"))};
    if (auto* pModel = dialog.findChild<QFileSystemModel*>())
        pModel->setNameFilters(patterns);
}
} // namespace

QString GetRecordFileName(const QString& strDir)
{
    QFileDialog dialog(nullptr, QString(), strDir, QString::fromUtf8(kFilterText));
    // The same dialog on every desktop, so that the pattern above always reaches its model.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setProxyModel(new CJapaneseFileList(&dialog));
    KeepAboveBoards(dialog);
    ListRecordFilesOnly(dialog);
    // Choosing the filter again would hand the model Qt's reading of it.
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog] { ListRecordFilesOnly(dialog); });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}
