#include "gui/prop/FontChooserDialog.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QListView>
#include <QStringListModel>

#include "core/prop/PrpRules.h"
#include "gui/app/DialogAboveBoards.h"
#include "gui/app/MessageBox.h"

namespace {
const char* const kSizeRangeText = "Norv2 からのお知らせ\n\nフォントのサイズは 6 ～ 25 ポイントの間で指定してください";

bool IsKeptSize(int nPoints)
{
    return nPoints >= kMinFontPoints && nPoints <= kMaxFontPoints;
}

// Qt's chooser has no names on its parts: the size list is the one that lists numbers.
QListView* SizeList(const QFontDialog& dialog)
{
    for (QListView* pList : dialog.findChildren<QListView*>()) {
        const auto* pModel = qobject_cast<const QStringListModel*>(pList->model());
        bool bNumbers = pModel && pModel->rowCount() > 0;
        for (const QString& row : pModel ? pModel->stringList() : QStringList()) {
            bool bNumber = false;
            row.toInt(&bNumber);
            bNumbers = bNumbers && bNumber;
        }
        if (bNumbers)
            return pList;
    }
    return nullptr;
}
} // namespace

CFontChooserDialog::CFontChooserDialog(const QFont& initial) : QFontDialog(initial)
{
    setOption(QFontDialog::DontUseNativeDialog);
    KeepAboveBoards(*this);
    // Underline and strike-out live in the effects group, which the pages never keep.
    for (const QCheckBox* pBox : findChildren<QCheckBox*>())
        if (auto* pGroup = qobject_cast<QGroupBox*>(pBox->parentWidget()))
            pGroup->hide();
    if (QListView* pSizes = SizeList(*this)) {
        // The chooser lists the sizes again for each font it shows.
        connect(pSizes->model(), &QAbstractItemModel::modelReset, this, &CFontChooserDialog::OfferKeptSizesOnly);
        OfferKeptSizesOnly();
    }
}

void CFontChooserDialog::OfferKeptSizesOnly()
{
    QListView* pSizes = SizeList(*this);
    if (!pSizes)
        return;
    QAbstractItemModel* pModel = pSizes->model();
    // The sizes come in ascending order. Those above the range are dropped, so that no reader
    // lists them; those below only hidden, as the chooser finds the current size by its row.
    int nKept = pModel->rowCount();
    while (nKept > 0 && pModel->index(nKept - 1, 0).data().toInt() > kMaxFontPoints)
        --nKept;
    pModel->removeRows(nKept, pModel->rowCount() - nKept);
    for (int row = 0; row < pModel->rowCount(); ++row)
        pSizes->setRowHidden(row, !IsKeptSize(pModel->index(row, 0).data().toInt()));
}

void CFontChooserDialog::done(int nResult)
{
    if (nResult == QDialog::Accepted && !IsKeptSize(currentFont().pointSize())) {
        AfxMessageBox(std::string(kSizeRangeText), MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    QFontDialog::done(nResult);
}
