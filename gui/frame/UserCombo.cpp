#include "gui/frame/UserCombo.h"

#include <QDir>

#include "core/record/RecordPath.h"
#include "core/settings/AppSetting.h"

CUserCombo::CUserCombo(QWidget* parent) : CToolbarCombo(6001, parent)
{
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    connect(this, &QComboBox::activated, this, &CUserCombo::OnActivated);
    FillUserList();
}

int CUserCombo::FillUserList()
{
    clear();
    const CAppSetting* pSetting = GetSetting();
    if (!pSetting)
        return 0;
    const QDir dir(pSetting->m_strVeskDir.empty() ? QDir::currentPath()
                                                  : QString::fromStdString(pSetting->m_strVeskDir));
    const QString pattern = QString::fromStdString(RecordPathOf("", "*"));
    for (const QString& name : dir.entryList({pattern}, QDir::Files, QDir::Unsorted))
        addItem(QString::fromStdString(UserNameOfPath(name.toStdString())));
    // The loaded user exactly: "ab" must not pick "abc".
    setCurrentIndex(
        findText(QString::fromStdString(pSetting->m_strUserName), Qt::MatchExactly | Qt::MatchCaseSensitive));
    return count();
}

void CUserCombo::OnActivated(int nIndex)
{
    const CAppSetting* pSetting = GetSetting();
    const std::string user = itemText(nIndex).toStdString();
    if (!pSetting || user == pSetting->m_strUserName)
        return;
    emit userFileChosen(QString::fromStdString(RecordPathOf(pSetting->m_strVeskDir, user)));
}
