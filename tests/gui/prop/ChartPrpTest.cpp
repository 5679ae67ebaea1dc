#include "gui/prop/ChartPrp.h"

#include <QAccessible>
#include <QCheckBox>
#include <QEnterEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>

#include "core/base/MulDiv.h"
#include "core/prop/PrpRules.h"
#include "core/settings/SettingTable.h"
#include "gui/base/FontConvert.h"
#include "gui/prop/BoardPrp.h"
#include "gui/prop/FontChooserDialog.h"
#include "gui/prop/NorvPrpSheet.h"
#include "tests/gui/prop/PrpTestSupport.h"

namespace {
class ChartPrpTest : public PrpTest, public ::testing::Test
{
protected:
    std::unique_ptr<CNorvPrpSheet> Open(int nStartPage, std::optional<Category> nCategory, Scale nScale = Scale::Daily)
    {
        auto pSheet = std::make_unique<CNorvPrpSheet>(m_settings, 129, nullptr, nStartPage, nCategory, nScale);
        m_pChartSpy = std::make_unique<QSignalSpy>(&m_settings, &CAppSettings::chartSettingsStored);
        m_pBoardSpy = std::make_unique<QSignalSpy>(&m_settings, &CAppSettings::boardSettingsStored);
        return pSheet;
    }

    std::unique_ptr<QSignalSpy> m_pChartSpy;
    std::unique_ptr<QSignalSpy> m_pBoardSpy;
};

TEST_F(ChartPrpTest, OpensOnAlphWhenNoCategoryIsShownWithApplyAndHelpDisabled)
{
    auto pSheet = Open(0, std::nullopt);
    const CChartPrp& page = pSheet->GetChartPage();
    EXPECT_EQ(pSheet->windowTitle(), QStringLiteral("Norv2 のプロパティ"));
    EXPECT_EQ(pSheet->GetTabs()->currentIndex(), 0);
    EXPECT_EQ(page.GetCategory(), Category::Alph);
    EXPECT_TRUE(Ctrl<QAbstractButton>(page, 7010)->isChecked());
    EXPECT_EQ(ColorBtn(page, 1084)->GetColor(), RGB(20, 0, 0));
    EXPECT_FALSE(pSheet->GetApplyButton()->isEnabled());
    EXPECT_FALSE(pSheet->GetHelpButton()->isEnabled());
    EXPECT_FALSE(pSheet->GetBoardPage().IsCreated());

    EXPECT_EQ(EditText(page, 7002), "13");
    EXPECT_EQ(EditText(page, 7003), "8");
    EXPECT_EQ(EditText(page, 7004), "50");
    EXPECT_EQ(EditText(page, 7005), "2");
    EXPECT_EQ(Ctrl(page, 7002)->toolTip(), QStringLiteral("3 ～ 30 ﾋﾟｸｾﾙ"));
}

TEST_F(ChartPrpTest, EveryControlOfBothPagesHasAnAccessibleName)
{
    auto pSheet = Open(0, Category::Alph);
    pSheet->GetTabs()->setCurrentIndex(1);
    ASSERT_TRUE(pSheet->GetBoardPage().IsCreated());
    for (QWidget* pCtrl : pSheet->findChildren<QWidget*>()) {
        if (pCtrl->focusPolicy() == Qt::NoFocus || pCtrl->focusProxy())
            continue;
        QAccessibleInterface* pAccessible = QAccessible::queryAccessibleInterface(pCtrl);
        ASSERT_NE(pAccessible, nullptr);
        EXPECT_FALSE(pAccessible->text(QAccessible::Name).isEmpty()) << pCtrl->metaObject()->className();
    }
    EXPECT_EQ(ColorBtn(pSheet->GetChartPage(), 1084)->accessibleName(), QStringLiteral("棒"));
    EXPECT_EQ(Ctrl(pSheet->GetChartPage(), 7002)->accessibleName(), QStringLiteral("棒の幅"));
    EXPECT_EQ(Ctrl(pSheet->GetChartPage(), 1039)->accessibleName(), QStringLiteral("ﾌｫﾝﾄ名"));
}

TEST_F(ChartPrpTest, ColourTooltipsNameTheColourEvenWhenItEqualsThePlaceholder)
{
    m_setting.m_ChartColor[2] = {RGB(1, 2, 3), RGB(255, 255, 255), 0x010101, RGB(255, 0, 0)};
    auto pSheet = Open(0, Category::Roma);
    const CChartPrp& page = pSheet->GetChartPage();
    EXPECT_EQ(ColorBtn(page, 1087)->toolTip(), "RGB(1,2,3)");
    EXPECT_EQ(ColorBtn(page, 1086)->toolTip(), "white");
    EXPECT_EQ(ColorBtn(page, 1085)->toolTip(), "red");
    EXPECT_EQ(ColorBtn(page, 1084)->toolTip(), "RGB(1,1,1)"); // not the string table's bare "%s"
    EXPECT_FALSE(page.IsModified());
}

TEST_F(ChartPrpTest, ColourEditedBeforeACategorySwitchIsStoredByOkAndStillAppliable)
{
    auto pSheet = Open(0, Category::Alph);
    const CChartPrp& page = pSheet->GetChartPage();
    m_nextColor = RGB(255, 0, 0);
    ColorBtn(page, 1084)->click();
    EXPECT_TRUE(pSheet->GetApplyButton()->isEnabled());
    EXPECT_EQ(ColorBtn(page, 1084)->toolTip(), "red");

    Click(page, 7011);
    EXPECT_EQ(page.GetCategory(), Category::Kana);
    EXPECT_EQ(ColorBtn(page, 1084)->GetColor(), RGB(20, 0, 1));
    EXPECT_EQ(ColorBtn(page, 1087)->GetColor(), RGB(10, 0, 1));
    // The 英字 edit is still waiting to be applied.
    EXPECT_TRUE(pSheet->GetApplyButton()->isEnabled());

    pSheet->GetOkButton()->click();
    EXPECT_EQ(pSheet->result(), QDialog::Accepted);
    EXPECT_EQ(m_setting.m_ChartColor[0].crBar, RGB(255, 0, 0));
    EXPECT_EQ(m_setting.m_ChartColor[1].crBar, RGB(20, 0, 1));
    EXPECT_EQ(m_pChartSpy->count(), 1);
    EXPECT_EQ(m_pBoardSpy->count(), 0); // the board page was never shown
}

TEST_F(ChartPrpTest, SwitchWithoutEditsLeavesApplyDisabled)
{
    auto pSheet = Open(0, Category::Alph);
    Click(pSheet->GetChartPage(), 7013);
    EXPECT_EQ(pSheet->GetChartPage().GetCategory(), Category::Sybl);
    EXPECT_FALSE(pSheet->GetApplyButton()->isEnabled());
}

struct RangeCase
{
    int nID;
    const char* pszText;
    bool bAccepted;
    const char* pszMessage;
};

TEST_F(ChartPrpTest, EachNumberIsCheckedAgainstItsRangeOnOk)
{
    const RangeCase cases[] = {
        {7002, "31", false, "3 から 30 まで"},
        {7002, "30", true, ""},
        {7002, "3", true, ""},
        {7002, "2", false, "3 から 30 まで"},
        {7004, "999", true, ""},
        {7004, "1000", false, "3 から 999 まで"},
        {7005, "10", true, ""},
        {7005, "11", false, "1 から 10 まで"},
        {7003, "1", true, ""},
        {7003, "50", true, ""},
        {7003, "", false, "1 から 50 まで"},
        {7003, "99999999999", false, "1 から 50 まで"},
    };
    for (const RangeCase& c : cases) {
        SCOPED_TRACE(std::to_string(c.nID) + " = " + c.pszText);
        m_messages.clear();
        m_setting.m_nBarWidth = 13;
        m_setting.m_nBarCount = 50;
        m_setting.m_nLineWidth = 2;
        m_setting.m_nBarSpace = 8;
        auto pSheet = Open(0, Category::Alph);
        Type(pSheet->GetChartPage(), c.nID, QString::fromUtf8(c.pszText));
        pSheet->GetOkButton()->click();
        if (c.bAccepted) {
            EXPECT_TRUE(m_messages.empty());
            EXPECT_EQ(pSheet->result(), QDialog::Accepted);
            EXPECT_EQ(m_pChartSpy->count(), 1);
            const int nStored = c.nID == 7002   ? m_setting.m_nBarWidth
                                : c.nID == 7003 ? m_setting.m_nBarSpace
                                : c.nID == 7004 ? m_setting.m_nBarCount
                                                : m_setting.m_nLineWidth;
            EXPECT_EQ(nStored, std::atoi(c.pszText));
        } else {
            ASSERT_EQ(m_messages.size(), 1u);
            EXPECT_NE(m_messages[0].find(c.pszMessage), std::string::npos) << m_messages[0];
            EXPECT_NE(pSheet->result(), QDialog::Accepted);
            EXPECT_EQ(m_pChartSpy->count(), 0);
            EXPECT_EQ(m_setting.m_nBarWidth, 13);
            EXPECT_EQ(m_setting.m_nBarSpace, 8);
        }
    }
}

// Each size's edit, arrows and message follow its entry in the settings table.
TEST_F(ChartPrpTest, TheSizeRangesAndTheirMessagesComeFromTheSettingsTable)
{
    const std::pair<int, BarSizeSetting> sizes[] = {
        {7002, kBarWidthSetting}, {7003, kBarSpaceSetting}, {7004, kBarCountSetting}, {7005, kLineWidthSetting}};
    for (const auto& [nID, size] : sizes) {
        SCOPED_TRACE(nID);
        auto pSheet = Open(0, Category::Alph);
        const CChartPrp& page = pSheet->GetChartPage();
        auto* pSpin = Ctrl<CDigitSpin>(page, nID);
        EXPECT_EQ(pSpin->property("minimum").toInt(), size.range.nMin);
        EXPECT_EQ(pSpin->property("maximum").toInt(), size.range.nMax);
        for (const int nValue : {size.range.nMin - 1, size.range.nMax + 1}) {
            m_messages.clear();
            Type(page, nID, QString::number(nValue));
            EXPECT_FALSE(pSheet->Apply());
            EXPECT_EQ(m_messages, std::vector{IntRangeMessage(size.range.nMin, size.range.nMax)});
        }
        Type(page, nID, QString::number(size.range.nMax));
        EXPECT_TRUE(pSheet->Apply());
    }
}

TEST_F(ChartPrpTest, AnInvalidNumberKeepsTheUserOnThePage)
{
    auto pSheet = Open(0, Category::Alph);
    const CChartPrp& page = pSheet->GetChartPage();
    Type(page, 7002, "31");

    pSheet->GetTabs()->setCurrentIndex(1);
    EXPECT_EQ(pSheet->GetTabs()->currentIndex(), 0);
    EXPECT_FALSE(pSheet->GetBoardPage().IsCreated());
    EXPECT_EQ(m_messages.size(), 1u);

    // A category switch meets the same value: the category, its radio button and the
    // colours shown stay together.
    Click(page, 7012);
    EXPECT_EQ(m_messages.size(), 2u);
    EXPECT_EQ(page.GetCategory(), Category::Alph);
    EXPECT_TRUE(Ctrl<QAbstractButton>(page, 7010)->isChecked());
    EXPECT_EQ(ColorBtn(page, 1084)->GetColor(), RGB(20, 0, 0));

    Type(page, 7002, "30");
    pSheet->GetTabs()->setCurrentIndex(1);
    EXPECT_EQ(pSheet->GetTabs()->currentIndex(), 1);
    EXPECT_TRUE(pSheet->GetBoardPage().IsCreated());
}

TEST_F(ChartPrpTest, ArrowsStepInsideTheRangeAndTheEditTakesDigitsOnly)
{
    auto pSheet = Open(0, Category::Alph);
    auto* pWidth = Ctrl<CDigitSpin>(pSheet->GetChartPage(), 7002);
    Type(pSheet->GetChartPage(), 7002, "29");
    pWidth->stepBy(1);
    pWidth->stepBy(1);
    EXPECT_EQ(pWidth->Edit()->text(), "30");
    pWidth->stepBy(-40);
    EXPECT_EQ(pWidth->Edit()->text(), "3");

    Type(pSheet->GetChartPage(), 7002, "1a-2 5");
    EXPECT_EQ(pWidth->Edit()->text(), "125");
}

TEST_F(ChartPrpTest, CheckBoxAndFontAreStoredByApplyAndKeptAfterCancel)
{
    const int nDpi = CPrpPage::ScreenLogPixelsY();
    auto pSheet = Open(0, Category::Alph);
    const CChartPrp& page = pSheet->GetChartPage();
    EXPECT_EQ(EditText(page, 1039), "IPAGothic");
    EXPECT_EQ(EditText(page, 7019), QString::number(MulDiv(12, 72, nDpi)) + " : 標準");

    // The same font again changes nothing.
    m_nextFont = QFontFromLogFont(*m_setting.m_pChartFont);
    Click(page, 7020);
    EXPECT_EQ(QFontInfo(m_offeredFont).pixelSize(), 12);
    EXPECT_FALSE(page.IsModified());

    QFont bigger("IPAGothic");
    bigger.setPixelSize(20);
    bigger.setBold(true);
    bigger.setItalic(true);
    m_nextFont = bigger;
    Click(page, 7020);
    EXPECT_TRUE(page.IsModified());
    EXPECT_EQ(EditText(page, 7019), QString::number(MulDiv(20, 72, nDpi)) + " : 太字 : 斜体");
    pSheet->show();
    EXPECT_TRUE(ShowsWhole(page, 7019));

    Click(page, 1082);
    pSheet->GetApplyButton()->click();
    EXPECT_FALSE(pSheet->GetApplyButton()->isEnabled());
    EXPECT_TRUE(m_setting.m_bGageColor);
    EXPECT_EQ(m_setting.m_pChartFont->lfHeight, -20);
    EXPECT_EQ(m_setting.m_pChartFont->lfWeight, 700);
    EXPECT_EQ(m_pChartSpy->count(), 1);

    Click(page, 1082);
    pSheet->GetCancelButton()->click();
    EXPECT_EQ(pSheet->result(), QDialog::Rejected);
    EXPECT_TRUE(m_setting.m_bGageColor);
    EXPECT_EQ(m_pChartSpy->count(), 1);
}

TEST_F(ChartPrpTest, StatusPromptFollowsThePointerAndFallsBackToTheIdleText)
{
    auto pSheet = Open(0, Category::Alph);
    QSignalSpy spy(pSheet.get(), &CNorvPrpSheet::statusTextChanged);
    const CChartPrp& page = pSheet->GetChartPage();
    auto enter = [](QWidget* pWidget) {
        QEnterEvent event(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
        QCoreApplication::sendEvent(pWidget, &event);
    };
    enter(Ctrl(page, 7002));
    ASSERT_EQ(spy.count(), 1);
    EXPECT_EQ(spy.at(0).at(0).toString(), QStringLiteral("グラフの棒の幅をピクセル単位で設定します"));

    enter(Ctrl<QWidget>(page, 7002)->parentWidget()->findChild<QLabel*>()); // a label has no prompt
    ASSERT_EQ(spy.count(), 2);
    EXPECT_EQ(spy.at(1).at(0).toString(), QStringLiteral("F1キーでヘルプを表示します"));

    pSheet->GetTabs()->setCurrentIndex(1);
    enter(Ctrl(pSheet->GetBoardPage(), 1109));
    EXPECT_EQ(spy.last().at(0).toString(), QStringLiteral("ボードからコピーした文字列に付加する引用符"));

    pSheet.reset();
    EXPECT_EQ(spy.last().at(0).toString(), QStringLiteral("F1キーでヘルプを表示します"));
}
} // namespace

TEST_F(ChartPrpTest, TheFontChooserOffersOnlyWhatThePagesKeep)
{
    QFont initial(QStringLiteral("IPAGothic"));
    initial.setPointSize(12);
    CFontChooserDialog dialog(initial);
    for (const QCheckBox* pBox : dialog.findChildren<QCheckBox*>())
        EXPECT_FALSE(pBox->isVisibleTo(&dialog)) << pBox->text().toStdString();
    std::vector<int> offered;
    for (const QListView* pList : dialog.findChildren<QListView*>())
        for (int row = 0; row < pList->model()->rowCount(); ++row) {
            bool bSize = false;
            const int nPoints = pList->model()->index(row, 0).data().toString().toInt(&bSize);
            if (bSize && !pList->isRowHidden(row))
                offered.push_back(nPoints);
        }
    ASSERT_FALSE(offered.empty());
    // Nor does a reader hear of larger ones.
    for (const QListView* pList : dialog.findChildren<QListView*>())
        for (int row = 0; row < pList->model()->rowCount(); ++row)
            EXPECT_LE(pList->model()->index(row, 0).data().toString().toInt(), 25);
    EXPECT_GE(*std::min_element(offered.begin(), offered.end()), 6);
    EXPECT_LE(*std::max_element(offered.begin(), offered.end()), 25);

    // A size typed outside them is refused with a message; one inside is taken.
    QFont typed = initial;
    typed.setPointSize(30);
    dialog.setCurrentFont(typed);
    dialog.done(QDialog::Accepted);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(m_messages.size(), 1u);
    typed.setPointSize(25);
    dialog.setCurrentFont(typed);
    dialog.done(QDialog::Accepted);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST_F(ChartPrpTest, TheFontChooserOffersTheKeptStylesInJapaneseWithASample)
{
    QFont initial(QStringLiteral("IPAGothic"));
    initial.setPointSize(12);
    initial.setItalic(true);
    CFontChooserDialog dialog(initial);
    QStringList offered;
    QListWidget* pStyles = nullptr;
    for (QListWidget* pList : dialog.findChildren<QListWidget*>())
        if (pList->isVisibleTo(&dialog))
            pStyles = pList;
    ASSERT_NE(pStyles, nullptr);
    for (int row = 0; row < pStyles->count(); ++row)
        offered << pStyles->item(row)->text();
    EXPECT_EQ(offered.join(u'|'), QStringLiteral("標準|太字|斜体|太字 斜体"));
    EXPECT_EQ(pStyles->currentItem()->text(), QStringLiteral("斜体"));

    // IPAGothic has one face only: the bold is drawn, and the sample shows it.
    pStyles->setCurrentRow(1);
    const QFont chosen = dialog.currentFont();
    EXPECT_TRUE(chosen.bold() && !chosen.italic());
    EXPECT_EQ(chosen.family(), QStringLiteral("IPAGothic"));
    EXPECT_EQ(chosen.pointSize(), 12);
    bool bSample = false;
    for (const QLineEdit* pEdit : dialog.findChildren<QLineEdit*>())
        bSample = bSample || (pEdit->isVisibleTo(&dialog) && pEdit->font() == chosen && !pEdit->text().isEmpty() &&
                              pEdit->minimumHeight() >= QFontMetrics(chosen).height());
    EXPECT_TRUE(bSample);
}

TEST_F(ChartPrpTest, NeitherPageLeavesAnEmptyBandAtItsFoot)
{
    auto pSheet = Open(1, std::nullopt);
    pSheet->show();
    for (const int nPage : {1, 0}) {
        pSheet->GetTabs()->setCurrentIndex(nPage);
        QCoreApplication::processEvents(); // the page builds itself as it first shows
        QWidget& page = *pSheet->GetTabs()->currentWidget();
        page.layout()->activate();
        int nBottom = 0;
        for (const QWidget* pChild : page.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (pChild->isVisible())
                nBottom = std::max(nBottom, pChild->geometry().bottom());
        EXPECT_LE(page.height() - 1 - nBottom, page.layout()->contentsMargins().bottom()) << nPage;
    }
}
