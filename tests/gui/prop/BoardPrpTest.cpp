#include "gui/prop/BoardPrp.h"

#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>

#include "gui/prop/ChartPrp.h"
#include "gui/prop/NorvPrpSheet.h"
#include "tests/gui/prop/PrpTestSupport.h"

namespace {
class BoardPrpTest : public PrpTest, public ::testing::Test
{
protected:
    void Open(Scale nScale)
    {
        m_pSheet = std::make_unique<CNorvPrpSheet>(m_settings, 129, nullptr, 1, Category::Alph, nScale);
        m_pBoardSpy = std::make_unique<QSignalSpy>(&m_settings, &CAppSettings::boardSettingsStored);
        m_pChartSpy = std::make_unique<QSignalSpy>(&m_settings, &CAppSettings::chartSettingsStored);
    }
    const CBoardPrp& Page() const { return m_pSheet->GetBoardPage(); }
    bool Checked(int nID) const { return Ctrl<QCheckBox>(Page(), nID)->isChecked(); }
    bool RowButtonEnabled(int nRow) const { return ColorBtn(Page(), 1088 + nRow)->isEnabled(); }

    std::unique_ptr<CNorvPrpSheet> m_pSheet;
    std::unique_ptr<QSignalSpy> m_pBoardSpy;
    std::unique_ptr<QSignalSpy> m_pChartSpy;
};

TEST_F(BoardPrpTest, OpensOnTheViewsScaleWithTheDefaultFlagShownChecked)
{
    Open(Scale::Weekly);
    EXPECT_EQ(m_pSheet->GetTabs()->currentIndex(), 1);
    EXPECT_FALSE(m_pSheet->GetChartPage().IsCreated());
    EXPECT_EQ(Page().GetScale(), Scale::Weekly);
    EXPECT_TRUE(Ctrl<QAbstractButton>(Page(), 1043)->isChecked());
    for (int nID = 1027; nID <= 1031; ++nID)
        EXPECT_TRUE(Checked(nID)) << nID;
    const BOARDCOLOR expected = m_setting.m_BoardColor[1];
    const COLORREF shown[] = {ColorBtn(Page(), 1092)->GetColor(), ColorBtn(Page(), 1093)->GetColor(),
                              ColorBtn(Page(), 1088)->GetColor(), ColorBtn(Page(), 1089)->GetColor(),
                              ColorBtn(Page(), 1090)->GetColor(), ColorBtn(Page(), 1091)->GetColor(),
                              ColorBtn(Page(), 1094)->GetColor()};
    EXPECT_EQ((BOARDCOLOR{shown[0], shown[1], shown[2], shown[3], shown[4], shown[5], shown[6]}), expected);
    EXPECT_EQ(EditText(Page(), 1109), ">");
    EXPECT_EQ(EditText(Page(), 7018), "IPAGothic");
    EXPECT_FALSE(m_pSheet->GetApplyButton()->isEnabled());
}

TEST_F(BoardPrpTest, RowBoxesEnableTheirButtonsAndTheLastRowBringsAllBack)
{
    m_setting.m_nBoardFlag = 0x01;
    Open(Scale::Daily);
    EXPECT_TRUE(Checked(1027));
    EXPECT_FALSE(Checked(1028));
    EXPECT_TRUE(RowButtonEnabled(0));
    EXPECT_FALSE(RowButtonEnabled(1));

    Click(Page(), 1028);
    EXPECT_TRUE(RowButtonEnabled(1));
    Click(Page(), 1028);
    EXPECT_FALSE(RowButtonEnabled(1));
    EXPECT_TRUE(m_pSheet->GetApplyButton()->isEnabled());

    Click(Page(), 1027); // the only row shown
    for (int n = 0; n < 4; ++n) {
        EXPECT_TRUE(Checked(1027 + n)) << n;
        EXPECT_TRUE(RowButtonEnabled(n)) << n;
    }
    EXPECT_EQ(Page().GetBoardFlag(), 0x0F);

    Click(Page(), 1031);
    EXPECT_EQ(Page().GetBoardFlag(), 0x1F);
    Click(Page(), 1031);
    EXPECT_EQ(Page().GetBoardFlag(), 0x0F);
    for (int n = 0; n < 4; ++n)
        EXPECT_TRUE(RowButtonEnabled(n));

    m_pSheet->GetOkButton()->click();
    EXPECT_EQ(m_setting.m_nBoardFlag, 0x0F);
    EXPECT_EQ(m_pBoardSpy->count(), 1);
    EXPECT_EQ(m_pChartSpy->count(), 0); // the chart page was never shown
}

TEST_F(BoardPrpTest, WeeklyEditsSurviveASwitchToMonthlyAndAreStoredByOk)
{
    Open(Scale::Weekly);
    m_nextColor = RGB(0, 0, 255);
    ColorBtn(Page(), 1093)->click();
    EXPECT_EQ(ColorBtn(Page(), 1093)->toolTip(), "blue");

    Click(Page(), 1044);
    EXPECT_EQ(Page().GetScale(), Scale::Monthly);
    EXPECT_EQ(ColorBtn(Page(), 1093)->GetColor(), RGB(41, 0, 2));
    EXPECT_TRUE(m_pSheet->GetApplyButton()->isEnabled());

    m_pSheet->GetOkButton()->click();
    EXPECT_EQ(m_setting.m_BoardColor[1].crLabel, RGB(0, 0, 255));
    EXPECT_EQ(m_setting.m_BoardColor[2].crLabel, RGB(41, 0, 2));
    EXPECT_EQ(m_setting.m_BoardColor[0].crLabel, RGB(41, 0, 0));
}

TEST_F(BoardPrpTest, QuoteEditStopsAtFiveShiftJisBytes)
{
    Open(Scale::Daily);
    Type(Page(), 1109, ">>>>>>>");
    EXPECT_EQ(EditText(Page(), 1109), ">>>>>");
    Type(Page(), 1109, QStringLiteral("引用>>"));
    EXPECT_EQ(EditText(Page(), 1109), QStringLiteral("引用>"));
    Type(Page(), 1109, QStringLiteral("ｷﾛｸｷﾛｸ"));
    EXPECT_EQ(EditText(Page(), 1109), QStringLiteral("ｷﾛｸｷﾛ"));
    // A paste keeps what fits.
    auto* pEdit = Ctrl<QLineEdit>(Page(), 1109);
    Type(Page(), 1109, QStringLiteral("ｷ"));
    QGuiApplication::clipboard()->setText(QStringLiteral("123456789"));
    pEdit->paste();
    EXPECT_EQ(pEdit->text(), QStringLiteral("ｷ1234"));
    EXPECT_EQ(pEdit->cursorPosition(), 5);
    pEdit->selectAll();
    QGuiApplication::clipboard()->setText(QStringLiteral("引用符です"));
    pEdit->paste();
    EXPECT_EQ(pEdit->text(), QStringLiteral("引用"));
    Type(Page(), 1109, QStringLiteral("ｷﾛｸｷﾛ"));

    m_pSheet->GetApplyButton()->click();
    EXPECT_EQ(m_setting.m_strRefStr, "ｷﾛｸｷﾛ");
    EXPECT_TRUE(m_messages.empty());
}

TEST_F(BoardPrpTest, ATooLongStoredQuoteMustBeShortenedBeforeLeavingOrStoring)
{
    m_setting.m_strRefStr = "引用符です";
    Open(Scale::Daily);
    EXPECT_EQ(EditText(Page(), 1109), QStringLiteral("引用符です"));

    m_pSheet->GetOkButton()->click();
    EXPECT_NE(m_pSheet->result(), QDialog::Accepted);
    ASSERT_EQ(m_messages.size(), 1u);
    EXPECT_NE(m_messages[0].find("5"), std::string::npos);
    m_pSheet->GetTabs()->setCurrentIndex(0);
    EXPECT_EQ(m_pSheet->GetTabs()->currentIndex(), 1);
    EXPECT_EQ(m_pBoardSpy->count(), 0);

    auto* pEdit = Ctrl<QLineEdit>(Page(), 1109);
    pEdit->end(false);
    QTest::keyClick(pEdit, Qt::Key_Backspace); // shortening is allowed while still too long
    QTest::keyClick(pEdit, Qt::Key_Backspace);
    QTest::keyClick(pEdit, Qt::Key_Backspace);
    EXPECT_EQ(pEdit->text(), QStringLiteral("引用"));
    m_pSheet->GetOkButton()->click();
    EXPECT_EQ(m_pSheet->result(), QDialog::Accepted);
    EXPECT_EQ(m_setting.m_strRefStr, "引用");
}

TEST_F(BoardPrpTest, BothCreatedPagesStoreChartFirst)
{
    m_pSheet = std::make_unique<CNorvPrpSheet>(m_settings, 129, nullptr, 0, Category::Kana, Scale::Monthly);
    std::vector<std::string> order;
    QObject::connect(&m_settings, &CAppSettings::chartSettingsStored, [&] { order.push_back("chart"); });
    QObject::connect(&m_settings, &CAppSettings::boardSettingsStored, [&] { order.push_back("board"); });
    m_pSheet->GetTabs()->setCurrentIndex(1);
    EXPECT_EQ(Page().GetScale(), Scale::Monthly);

    QFont font("IPAGothic");
    font.setPixelSize(16);
    font.setItalic(true);
    m_nextFont = font;
    Click(Page(), 1041);
    EXPECT_TRUE(EditText(Page(), 1040).endsWith(QStringLiteral(" : 斜体")));

    m_pSheet->GetOkButton()->click();
    EXPECT_EQ(order, (std::vector<std::string>{"chart", "board"}));
    EXPECT_EQ(m_setting.m_pBoardFont->lfHeight, -16);
    EXPECT_EQ(m_setting.m_pBoardFont->lfItalic, 1);
    EXPECT_EQ(m_setting.m_pChartFont->lfHeight, -12);
}
} // namespace
