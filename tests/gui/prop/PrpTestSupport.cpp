#include "tests/gui/prop/PrpTestSupport.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QStyle>
#include <QStyleOptionFrame>
#include <gtest/gtest.h>

namespace {
QLineEdit* EditOf(const CPrpPage& page, int nID)
{
    QWidget* pCtrl = page.GetDlgItem(nID);
    if (auto* pSpin = dynamic_cast<CDigitSpin*>(pCtrl))
        return pSpin->Edit();
    return qobject_cast<QLineEdit*>(pCtrl);
}
} // namespace

void PrpTest::Type(const CPrpPage& page, int nID, const QString& strText)
{
    QLineEdit* pEdit = EditOf(page, nID);
    ASSERT_NE(pEdit, nullptr) << "edit " << nID;
    pEdit->selectAll();
    pEdit->del();
    // One key event per character, as typing sends them; QTest's key names are ASCII only.
    for (QChar c : strText) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QCoreApplication::sendEvent(pEdit, &press);
    }
}

bool PrpTest::ShowsWhole(const CPrpPage& page, int nID)
{
    const QLineEdit* pEdit = EditOf(page, nID);
    QStyleOptionFrame opt;
    opt.initFrom(pEdit);
    opt.lineWidth = pEdit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &opt, pEdit);
    const QRect contents = pEdit->style()->subElementRect(QStyle::SE_LineEditContents, &opt, pEdit);
    // The edit keeps two pixels of its own on either side of the text.
    return pEdit->fontMetrics().horizontalAdvance(pEdit->text()) <= contents.width() - 4;
}

QString PrpTest::EditText(const CPrpPage& page, int nID)
{
    QLineEdit* pEdit = EditOf(page, nID);
    return pEdit ? pEdit->text() : QString();
}
