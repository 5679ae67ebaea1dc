#include <QAction>
#include <QSignalSpy>
#include <QTest>
#include <filesystem>
#include <gtest/gtest.h>

#include "core/settings/AppSetting.h"
#include "gui/app/Norv2App.h"
#include "gui/base/MessageBox.h"
#include "gui/chart/Norv2View.h"
#include "gui/frame/MainFrame.h"
#include "gui/frame/ScaleCombo.h"
#include "gui/frame/UserCombo.h"
#include "gui/record/Norv2Doc.h"
#include "store/FileName.h"
#include "tests/support/RecordLines.h"
#include "tests/support/TempDir.h"

namespace {
QStringList Items(const QComboBox& combo)
{
    QStringList items;
    for (int i = 0; i < combo.count(); ++i)
        items << combo.itemText(i);
    items.sort();
    return items;
}
} // namespace

TEST(UserCombo, ListsTheUsersOfTheRecordDirectory)
{
    CTempDir dir;
    dir.Write("abc.ｷﾛｸ", "");
    dir.Write("ab.ｷﾛｸ", "");
    dir.Write("a.b.ｷﾛｸ", "");
    dir.Write("b\xff.ｷﾛｸ", ""); // a name that is not UTF-8
    dir.Write("notes.txt", "");
    CAppSetting setting;
    setting.m_strVeskDir = dir.File("");
    setting.m_strUserName = "ab";
    CUserCombo combo(setting);
    EXPECT_EQ(Items(combo), (QStringList{QStringLiteral("a.b"), QStringLiteral("ab"), QStringLiteral("abc"),
                                         FileNameToQString("b\xff")}));
    EXPECT_EQ(combo.currentText(), QStringLiteral("ab")); // not "abc"
    EXPECT_EQ(combo.toolTip(), QStringLiteral("ユーザ名"));

    CTempDir empty;
    setting.m_strVeskDir = empty.File("");
    EXPECT_EQ(combo.FillUserList(), 0);
    EXPECT_EQ(combo.currentIndex(), -1);
}

TEST(Selectors, FollowTheViewAndOpenOtherUsers)
{
    CTempDir dir;
    dir.Write("one.ｷﾛｸ", Records(1, 10));
    dir.Write("two.ｷﾛｸ", Records(1, 3));
    CNorv2App app;
    ASSERT_TRUE(app.InitInstance(
        {QStringLiteral("Norv2"), QStringLiteral("--no-splash"), QString::fromStdString(dir.File("one.ｷﾛｸ"))}));
    CMainFrame* frame = app.GetMainFrame();
    app.GetMainFrame()->GetUserCombo()->FillUserList();
    CScaleCombo* scales = frame->GetScaleCombo();
    CUserCombo* users = frame->GetUserCombo();
    ASSERT_TRUE(scales->isEnabled());

    frame->GetAction(ID_CATEGORY_ALPH)->trigger();
    QTest::keyClick(scales, Qt::Key_Down); // Daily → Weekly, as the user would
    EXPECT_EQ(frame->GetView()->GetScale(), Scale::Weekly);
    frame->GetAction(ID_SCALE_MONTHLY)->trigger();
    EXPECT_EQ(scales->currentText(), QStringLiteral("Monthly"));

    // The loaded user again: nothing happens.
    const int one = users->findText(QStringLiteral("one"));
    QSignalSpy chosen(users, &CUserCombo::userFileChosen);
    emit users->activated(one);
    EXPECT_EQ(chosen.count(), 0);
    EXPECT_FALSE(frame->IsCompact());

    // A user whose file vanished: message 10010, the list rebuilt, the strip shown.
    std::vector<unsigned> messages;
    SetMessageBoxRecorder([&](const MessageBoxCall& call) {
        messages.push_back(call.nID);
        return IDOK;
    });
    std::filesystem::remove(dir.File("two.ｷﾛｸ"));
    emit users->activated(users->findText(QStringLiteral("two")));
    SetMessageBoxRecorder({});
    EXPECT_EQ(messages, (std::vector<unsigned>{10010}));
    EXPECT_EQ(Items(*users), (QStringList{QStringLiteral("one")}));
    EXPECT_TRUE(frame->IsCompact());
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("Norv - oneの記録"));
    app.ExitInstance();
}
