#include "gui/prop/NorvPrpSheet.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStatusTipEvent>
#include <QTabWidget>
#include <QVBoxLayout>

#include "core/res/LoadSubString.h"
#include "core/res/StringIds.h"
#include "gui/base/AppSettings.h"
#include "gui/base/DialogAboveBoards.h"
#include "gui/prop/BoardPrp.h"
#include "gui/prop/ChartPrp.h"

namespace {

QString IdleText()
{
    return QString::fromStdString(LoadSubString(IDS_IDLE, 0));
}
} // namespace

CNorvPrpSheet::CNorvPrpSheet(CAppSettings& settings, unsigned nIDCaption, QWidget* pParent, int nStartPage,
                             std::optional<Category> nCategory, Scale nScale)
    : QDialog(pParent)
{
    setWindowTitle(QString::fromStdString(LoadString(nIDCaption)));
    KeepAboveBoards(*this);
    m_pTabs = new QTabWidget(this);
    m_pChartPage = new CChartPrp(settings, nCategory, m_pTabs);
    m_pBoardPage = new CBoardPrp(settings, nScale, m_pTabs);
    m_pTabs->addTab(m_pChartPage, QStringLiteral("グラフ"));
    m_pTabs->addTab(m_pBoardPage, QStringLiteral("ボード"));

    auto* buttons = new QDialogButtonBox(this);
    m_btnOk = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    m_btnCancel = buttons->addButton(QStringLiteral("キャンセル"), QDialogButtonBox::RejectRole);
    m_btnApply = buttons->addButton(QStringLiteral("適用(&A)"), QDialogButtonBox::ApplyRole);
    m_btnHelp = buttons->addButton(QStringLiteral("ヘルプ"), QDialogButtonBox::HelpRole);
    m_btnOk->setDefault(true);
    // Neither page has help of its own, so the button is there but never usable.
    m_btnHelp->setEnabled(false);
    m_btnApply->setEnabled(false);
    connect(m_btnOk, &QPushButton::clicked, this, &CNorvPrpSheet::accept);
    connect(m_btnCancel, &QPushButton::clicked, this, &CNorvPrpSheet::reject);
    connect(m_btnApply, &QPushButton::clicked, this, &CNorvPrpSheet::Apply);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pTabs);
    layout->addWidget(buttons);

    for (CPrpPage* pPage : {static_cast<CPrpPage*>(m_pChartPage), static_cast<CPrpPage*>(m_pBoardPage)})
        connect(pPage, &CPrpPage::modifiedChanged, this, &CNorvPrpSheet::UpdateApplyButton);

    m_nActive = nStartPage == 1 ? 1 : 0;
    Page(m_nActive)->Create();
    m_pTabs->setCurrentIndex(m_nActive);
    connect(m_pTabs, &QTabWidget::currentChanged, this, &CNorvPrpSheet::OnTabChanged);
}

CNorvPrpSheet::~CNorvPrpSheet()
{
    emit statusTextChanged(IdleText());
}

CPrpPage* CNorvPrpSheet::Page(int nIndex) const
{
    return nIndex == 1 ? static_cast<CPrpPage*>(m_pBoardPage) : static_cast<CPrpPage*>(m_pChartPage);
}

void CNorvPrpSheet::OnTabChanged(int nIndex)
{
    if (nIndex == m_nActive || nIndex < 0)
        return;
    if (!Page(m_nActive)->UpdateData(true)) {
        const QSignalBlocker blocker(m_pTabs);
        m_pTabs->setCurrentIndex(m_nActive);
        return;
    }
    m_nActive = nIndex;
    Page(nIndex)->Create();
}

bool CNorvPrpSheet::Apply()
{
    if (!Page(m_nActive)->UpdateData(true))
        return false;
    // The chart page first, so that boards are re-placed after the chart was redrawn.
    for (CPrpPage* pPage : {Page(0), Page(1)}) {
        if (!pPage->IsCreated())
            continue;
        pPage->StoreSettings();
        pPage->SetModified(false);
    }
    // Re-placing the boards raised them: the sheet the user is still working in goes back on top.
    raise();
    return true;
}

void CNorvPrpSheet::accept()
{
    if (Apply())
        QDialog::accept();
}

void CNorvPrpSheet::UpdateApplyButton()
{
    m_btnApply->setEnabled(m_pChartPage->IsModified() || m_pBoardPage->IsModified());
}

bool CNorvPrpSheet::event(QEvent* event)
{
    if (event->type() == QEvent::StatusTip) {
        const QString strTip = static_cast<QStatusTipEvent*>(event)->tip();
        emit statusTextChanged(strTip.isEmpty() ? IdleText() : strTip);
        return true;
    }
    return QDialog::event(event);
}
