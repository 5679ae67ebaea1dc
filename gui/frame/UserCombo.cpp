#include "gui/frame/UserCombo.h"

#include <QAbstractItemView>
#include <QSignalBlocker>

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
    // Emptied and filled behind the list's back: each step would move the selection and tell
    // assistive technology of another user, where only the last one counts.
    QSignalBlocker quiet(model());
    model()->removeRows(0, count());
    // Names go as bytes: Qt would leave out a file whose name is not UTF-8.
    for (const std::string& user : UsersInDirectory(m_setting.m_strVeskDir.empty() ? "." : m_setting.m_strVeskDir))
        addItem(FileNameToQString(user));
    quiet.unblock();
    view()->reset();
    // The loaded user exactly: "ab" must not pick "abc".
    setCurrentIndex(findText(FileNameToQString(m_setting.m_strUserName), Qt::MatchExactly | Qt::MatchCaseSensitive));
    update();
    return count();
}

void CUserCombo::OnActivated(int nIndex)
{
    const std::string user = FileNameFromQString(itemText(nIndex));
    if (user == m_setting.m_strUserName)
        return;
    emit userFileChosen(FileNameToQString(RecordPathOf(m_setting.m_strVeskDir, user)));
}
