#include "gui/frame/UserCombo.h"

#include "core/record/RecordPath.h"
#include "core/res/StringIds.h"
#include "core/settings/AppSetting.h"
#include "store/FileName.h"

CUserCombo::CUserCombo(const CAppSetting& setting, QWidget* parent)
    : CToolbarCombo(IDS_USER_SELECTOR, parent), m_setting(setting)
{
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    connect(this, &QComboBox::activated, this, &CUserCombo::OnActivated);
    FillUserList();
}

int CUserCombo::FillUserList()
{
    clear();
    // Names go as bytes: Qt would leave out a file whose name is not UTF-8.
    for (const std::string& user : UsersInDirectory(m_setting.m_strVeskDir.empty() ? "." : m_setting.m_strVeskDir))
        addItem(FileNameToQString(user));
    // The loaded user exactly: "ab" must not pick "abc".
    setCurrentIndex(findText(FileNameToQString(m_setting.m_strUserName), Qt::MatchExactly | Qt::MatchCaseSensitive));
    return count();
}

void CUserCombo::OnActivated(int nIndex)
{
    const std::string user = FileNameFromQString(itemText(nIndex));
    if (user == m_setting.m_strUserName)
        return;
    emit userFileChosen(FileNameToQString(RecordPathOf(m_setting.m_strVeskDir, user)));
}
