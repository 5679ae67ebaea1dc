#include "gui/base/MessageBox.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTranslator>
#include <gtest/gtest.h>

#include "gui/base/QtTranslation.h"

TEST(MessageBox, RecorderSeesTheTextAndIconInsteadOfABox)
{
    std::vector<MessageBoxCall> calls;
    SetMessageBoxRecorder([&](const MessageBoxCall& call) {
        calls.push_back(call);
        return IDOK;
    });
    EXPECT_EQ(AfxMessageBox(10005, MB_OK | MB_ICONINFORMATION), IDOK);
    EXPECT_EQ(AfxMessageBox(10011), IDOK);
    AfxMessageBox(std::string("選択されたファイルが壊れています\n初期状態に戻します"));
    SetMessageBoxRecorder({});

    ASSERT_EQ(calls.size(), 3u);
    EXPECT_EQ(calls[0].nID, 10005u);
    EXPECT_EQ(calls[0].strText, "Norv2 からのお知らせ\n\n表示内容をクリップボードにコピーしました");
    EXPECT_EQ(calls[0].nType, MB_ICONINFORMATION);
    EXPECT_EQ(calls[1].nType, MB_ICONEXCLAMATION); // the default icon of a plain OK box
    EXPECT_EQ(calls[2].nID, 0u);
    EXPECT_EQ(calls[2].strText, "選択されたファイルが壊れています\n初期状態に戻します");
}

TEST(MessageBox, QtsOwnDialogsAndButtonsSpeakJapanese)
{
    QTranslator* pTranslator = InstallJapaneseQtTexts(*QCoreApplication::instance());
    ASSERT_NE(pTranslator, nullptr) << "Qt's translations (qt6-translations-l10n) are missing";
    const QDialogButtonBox buttons(QDialogButtonBox::Open | QDialogButtonBox::Cancel);
    EXPECT_EQ(buttons.button(QDialogButtonBox::Cancel)->text().toStdString(), "キャンセル");
    QCoreApplication::removeTranslator(pTranslator);
    delete pTranslator;
}

TEST(MessageBox, WhereNoWindowCanBeSeenTheTextGoesToStandardError)
{
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(AfxMessageBox(std::string("設定を保存できませんでした")), IDOK);
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "Norv2: 設定を保存できませんでした\n");
}
