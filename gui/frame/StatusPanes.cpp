#include "gui/frame/StatusPanes.h"

#include <QLabel>
#include <QStatusBar>

#include "core/res/LoadSubString.h"
#include "core/res/StringIds.h"

namespace {
const char* const kPane1Template = "[9999/99/99～99/99] 999回  最高:999(99)  最低:999(99)  平均:999(99)";

QLabel* AddPane(QStatusBar& bar, bool bPermanent)
{
    auto* pPane = new QLabel(&bar);
    if (bPermanent) {
        pPane->setFrameShape(QFrame::Panel);
        pPane->setFrameShadow(QFrame::Sunken);
        bar.addPermanentWidget(pPane);
    } else {
        bar.addWidget(pPane, 1);
    }
    return pPane;
}
} // namespace

CStatusPanes::CStatusPanes(QStatusBar& bar, const CNorv2Doc& doc)
    : m_pPane0(AddPane(bar, false)), m_pPane1(AddPane(bar, true)), m_Progress(doc, *m_pPane0)
{
    ShowIdle();
}

void CStatusPanes::SetPrompt(const QString& strText)
{
    m_pPane0->setText(strText);
}

void CStatusPanes::ShowIdle()
{
    m_pPane0->setText(QString::fromStdString(LoadSubString(IDS_IDLE, 0)));
}

void CStatusPanes::SetBarText(const QString& strText)
{
    m_pPane1->setText(strText);
}

QString CStatusPanes::GetBarText() const
{
    return m_pPane1->text();
}

void CStatusPanes::ClearBarText()
{
    m_pPane1->clear();
}

void CStatusPanes::ShowBarPane(bool bShow)
{
    if (bShow)
        m_pPane1->setMinimumWidth(m_pPane1->fontMetrics().horizontalAdvance(QString::fromUtf8(kPane1Template)));
    m_pPane1->setVisible(bShow);
}
