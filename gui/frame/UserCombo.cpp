#include "gui/frame/UserCombo.h"

#include <QAbstractItemView>
#include <QDir>
#include <QSignalBlocker>

#include "core/record/RecordPath.h"
#include "core/res/StringIds.h"
#include "core/settings/AppSetting.h"

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
    const QDir dir(m_setting.m_strVeskDir.empty() ? QDir::currentPath()
                                                  : QString::fromStdString(m_setting.m_strVeskDir));
    const QString pattern = QString::fromStdString(RecordPathOf("", "*"));
    for (const QString& name : dir.entryList({pattern}, QDir::Files, QDir::Unsorted))
        addItem(QString::fromStdString(UserNameOfPath(name.toStdString())));
    quiet.unblock();
    view()->reset();
    // The loaded user exactly: "ab" must not pick "abc".
    setCurrentIndex(
        findText(QString::fromStdString(m_setting.m_strUserName), Qt::MatchExactly | Qt::MatchCaseSensitive));
    update();
    return count();
}

void CUserCombo::OnActivated(int nIndex)
{
    const std::string user = itemText(nIndex).toStdString();
    if (user == m_setting.m_strUserName)
        return;
    emit userFileChosen(QString::fromStdString(RecordPathOf(m_setting.m_strVeskDir, user)));
}
