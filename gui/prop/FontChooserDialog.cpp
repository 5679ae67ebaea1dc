#include "gui/prop/FontChooserDialog.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QStringListModel>

#include "core/prop/PrpRules.h"
#include "gui/base/DialogAboveBoards.h"
#include "gui/base/MessageBox.h"

namespace {
const char* const kSampleText = "AaBbYyZz あいうアイウ漢字";
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

// Qt's chooser creates its family, style and size lists in this order.
QListView* QtStyleList(const QFontDialog& dialog)
{
    const QList<QListView*> lists = dialog.findChildren<QListView*>();
    return lists.size() == 3 ? lists[1] : nullptr;
}

// The sample line is the one edit that sits in a group box.
QLineEdit* SampleEdit(const QFontDialog& dialog)
{
    for (QLineEdit* pEdit : dialog.findChildren<QLineEdit*>())
        if (qobject_cast<QGroupBox*>(pEdit->parentWidget()))
            return pEdit;
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
    ReplaceStyleList(initial);
    if (QLineEdit* pSample = SampleEdit(*this)) {
        // Qt lets the sample shrink to nothing once the effects beside it are gone; it must
        // show a line in the largest kept size.
        QFont largest = pSample->font();
        largest.setPointSize(kMaxFontPoints);
        pSample->setMinimumHeight(QFontMetrics(largest).height());
    }
}

void CFontChooserDialog::ReplaceStyleList(const QFont& initial)
{
    // Qt's list names the faces a font brings, in their makers' words, often the same
    // style twice; the pages keep only weight and slant, and draw what a font lacks.
    QListView* pQtStyles = QtStyleList(*this);
    auto* pGrid = pQtStyles ? qobject_cast<QGridLayout*>(pQtStyles->parentWidget()->layout()) : nullptr;
    if (!pGrid || !SampleEdit(*this))
        return;
    int nRow = 0, nColumn = 0, nRows = 0, nColumns = 0;
    pGrid->getItemPosition(pGrid->indexOf(pQtStyles), &nRow, &nColumn, &nRows, &nColumns);
    m_pStyles = new QListWidget(this);
    m_pStyles->addItems(
        {QStringLiteral("標準"), QStringLiteral("太字"), QStringLiteral("斜体"), QStringLiteral("太字 斜体")});
    // The row's bit 0 is bold, bit 1 italic.
    m_pStyles->setCurrentRow((initial.bold() ? 1 : 0) + (initial.italic() ? 2 : 0));
    // Qt's style edit above its list goes too; the new list takes both places.
    if (QLayoutItem* pEdit = pGrid->itemAtPosition(nRow - 1, nColumn); pEdit && pEdit->widget())
        pEdit->widget()->hide();
    pQtStyles->hide();
    pGrid->addWidget(m_pStyles, nRow - 1, nColumn, nRows + 1, nColumns);
    for (QLabel* pLabel : findChildren<QLabel*>())
        if (pLabel->buddy() == pQtStyles)
            pLabel->setBuddy(m_pStyles);
    setTabOrder(findChildren<QListView*>().constFirst(), m_pStyles); // after the family list
    connect(m_pStyles, &QListWidget::currentRowChanged, this, &CFontChooserDialog::ShowKeptStyle);
    connect(this, &QFontDialog::currentFontChanged, this, &CFontChooserDialog::ShowKeptStyle);
    ShowKeptStyle();
}

void CFontChooserDialog::ShowKeptStyle()
{
    // The chooser's result is its sample's font.
    QLineEdit* pSample = SampleEdit(*this);
    const QFont shown = pSample->font();
    QFont font(shown.families().value(0));
    font.setPointSize(shown.pointSize());
    font.setBold((m_pStyles->currentRow() & 1) != 0);
    font.setItalic((m_pStyles->currentRow() & 2) != 0);
    if (font != shown)
        pSample->setFont(font);
    // Qt's chooser empties the sample while it has no family and never fills it again.
    if (pSample->text().isEmpty())
        pSample->setText(QString::fromUtf8(kSampleText));
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
