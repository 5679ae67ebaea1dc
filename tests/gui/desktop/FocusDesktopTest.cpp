#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QRadioButton>
#include <QScreen>
#include <QTabWidget>
#include <algorithm>

#include "core/record/PeriodData.h"
#include "core/settings/AppSetting.h"
#include "gui/app/AppSettings.h"
#include "gui/app/ColorConvert.h"
#include "gui/board/Norv2Board.h"
#include "gui/frame/ScaleCombo.h"
#include "gui/frame/UserCombo.h"
#include "gui/prop/BoardPrp.h"
#include "gui/prop/ChartPrp.h"
#include "gui/prop/NorvPrpSheet.h"
#include "gui/record/Norv2Doc.h"
#include "tests/gui/desktop/DesktopFixture.h"
#include "tests/support/AccessibleEvents.h"
#include "tests/support/RecordLines.h"
#include "tests/support/TempDir.h"

namespace {
// Whether the screen shows the top edge of r (viewport pixels of view) in colour c.
bool ScreenShowsTopEdge(const CNorv2View& view, const QRect& r, QRgb c)
{
    const QPoint at = view.viewport()->mapToGlobal(r.topLeft());
    const QImage shot = QGuiApplication::primaryScreen()
                            ->grabWindow(0, at.x(), at.y(), r.width(), 1)
                            .toImage()
                            .convertToFormat(QImage::Format_RGB32);
    for (int x = 0; x < shot.width(); ++x)
        if (shot.pixel(x, 0) != c)
            return false;
    return !shot.isNull();
}

bool HasKeys(const QWidget& widget)
{
    return QApplication::focusWidget() == &widget && QGuiApplication::focusWindow() == widget.window()->windowHandle();
}
} // namespace

TEST_F(DesktopTest, TheKeysGoToTheWindowInTheStripAndToTheChartInTheChartLayout)
{
    CMainFrame& frame = Start(SampleFile());
    ASSERT_TRUE(Eventually([&] { return HasKeys(frame); }));
    // Keys meant for the chart change no user.
    QTest::keyClick(frame.windowHandle(), Qt::Key_End);
    QTest::keyClick(frame.windowHandle(), Qt::Key_Home);
    EXPECT_EQ(m_pApp->GetDocument()->GetPathName(), SampleFile());

    CNorv2View& view = *frame.GetView();
    frame.GetAction(ID_CATEGORY_ALPH)->trigger();
    EXPECT_TRUE(Eventually([&] { return HasKeys(view); }));
    // Another category from wherever the user left the keys.
    frame.GetUserCombo()->setFocus();
    frame.GetAction(ID_CATEGORY_ALPH + 2)->trigger();
    EXPECT_TRUE(Eventually([&] { return HasKeys(view); }));
    QTest::keyClick(frame.windowHandle(), Qt::Key_Home);
    EXPECT_EQ(view.GetCursorBar(), 0);
    EXPECT_EQ(m_pApp->GetDocument()->GetPathName(), SampleFile());
}

TEST_F(DesktopTest, TheBarCursorIsFramedOnlyWhileTheChartHasTheKeys)
{
    CMainFrame& frame = Start(SampleFile());
    frame.GetAction(ID_CATEGORY_ALPH)->trigger();
    CNorv2View& view = *frame.GetView();
    ASSERT_TRUE(Eventually([&] { return HasKeys(view); }));
    const QRgb frameColour = ToQColor(m_pApp->GetSettings().Get().GetChartColor(Category::Alph, CLR_AXIS)).rgb();
    const auto framed = [&] { return ScreenShowsTopEdge(view, view.GetBarRect(view.GetCursorBar()), frameColour); };
    EXPECT_TRUE(Eventually(framed));
    QTest::keyClick(frame.windowHandle(), Qt::Key_Tab);
    ASSERT_TRUE(Eventually([&] { return HasKeys(*frame.GetUserCombo()); }));
    EXPECT_TRUE(Eventually([&] { return !framed(); }));
    QTest::keyClick(frame.windowHandle(), Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_TRUE(Eventually(framed));
}

TEST_F(DesktopTest, AfterTheKeyboardOpenDialogTheKeysAreOnTheMainWindow)
{
    CTempDir dir;
    dir.Write("a.ｷﾛｸ", Records(1, 3));
    dir.Write("b.ｷﾛｸ", Records(1, 3));
    CMainFrame& frame = Start(QString::fromStdString(dir.File("a.ｷﾛｸ")));
    for (const char* user : {"b", "a", "b"}) {
        // From the chart, whose view goes as the file is opened.
        frame.GetAction(ID_CATEGORY_ALPH)->trigger();
        OnceShown<QFileDialog>([&](QFileDialog& dialog) {
            QLineEdit* pName = nullptr;
            ASSERT_TRUE(Eventually([&] { return (pName = qobject_cast<QLineEdit*>(QApplication::focusWidget())); }));
            // Typed as a whole: QTest types ASCII only.
            pName->setText(QString::fromStdString(dir.File(std::string(user) + ".ｷﾛｸ")));
            QTest::keyClick(dialog.windowHandle(), Qt::Key_Return);
        });
        QTest::keyClick(frame.windowHandle(), Qt::Key_O, Qt::ControlModifier);
        EXPECT_EQ(frame.GetUserCombo()->currentText(), QString::fromLatin1(user));
        EXPECT_TRUE(Eventually([&] { return HasKeys(frame); })) << user;
    }
}

TEST_F(DesktopTest, TabEntersTheScaleGroupAtItsCheckedButtonAndCtrlTabAtThePagesFirstControl)
{
    CMainFrame& frame = Start(SampleFile());
    frame.GetAction(ID_CATEGORY_ALPH + 1)->trigger();
    bool bChecked = false;
    OnceShown<CNorvPrpSheet>([&](CNorvPrpSheet& sheet) {
        auto* pWeekly = sheet.GetBoardPage().findChild<QRadioButton*>(CPrpPage::CtrlName(1043));
        pWeekly->click();
        // Back into the group from the row box after it.
        sheet.GetBoardPage().findChild<QWidget*>(CPrpPage::CtrlName(1027))->setFocus();
        ASSERT_TRUE(Eventually([&] { return QGuiApplication::focusWindow() == sheet.windowHandle(); }));
        QTest::keyClick(sheet.windowHandle(), Qt::Key_Tab, Qt::ShiftModifier);
        bChecked = Eventually([&] { return QApplication::focusWidget() == pWeekly; });

        QTest::keyClick(sheet.windowHandle(), Qt::Key_Tab, Qt::ControlModifier);
        const CChartPrp& chart = sheet.GetChartPage();
        ASSERT_TRUE(chart.IsCreated());
        // The chart of かな is shown, so its button leads.
        EXPECT_TRUE(Eventually([&] {
            return QApplication::focusWidget() == chart.findChild<QRadioButton*>(CPrpPage::CtrlName(7011));
        })) << (QApplication::focusWidget() ? QApplication::focusWidget()->metaObject()->className() : "none");
    });
    frame.GetAction(ID_BOARD_PROPERTY)->trigger();
    EXPECT_TRUE(bChecked);
}

// The viewer as a screen reader hears it (run through scripts/with-accessibility-bus.sh).
class ReaderDesktopTest : public DesktopTest
{
protected:
    void SetUp() override
    {
        DesktopTest::SetUp();
        ASSERT_TRUE(Eventually([] { return QAccessible::isActive(); })) << "no accessibility bus";
    }

    CAccessibleEventLog m_log;
};

TEST_F(ReaderDesktopTest, TheSelectorsAreReadByTheirPurposeAndARefillIsOneChange)
{
    CMainFrame& frame = Start(SampleFile());
    CUserCombo& users = *frame.GetUserCombo();
    QAccessibleInterface* pUsers = QAccessible::queryAccessibleInterface(&users);
    EXPECT_EQ(pUsers->text(QAccessible::Name), QStringLiteral("ユーザ名"));
    EXPECT_EQ(pUsers->text(QAccessible::Value), QStringLiteral("たろう"));
    EXPECT_EQ(pUsers->role(), QAccessible::ComboBox);
    // Where a screen reader looks for the value of a combo box with a list.
    QAccessibleTextInterface* pUserText = pUsers->textInterface();
    ASSERT_NE(pUserText, nullptr);
    EXPECT_EQ(pUserText->text(0, pUserText->characterCount()), QStringLiteral("たろう"));
    QAccessibleInterface* pScales = QAccessible::queryAccessibleInterface(frame.GetScaleCombo());
    EXPECT_EQ(pScales->text(QAccessible::Name), QStringLiteral("表示スケール"));
    EXPECT_EQ(pScales->text(QAccessible::Value), QStringLiteral("Daily"));

    m_log.Clear();
    users.FillUserList();
    EXPECT_EQ(m_log.Count(&users, QAccessible::ValueChanged) + m_log.Count(&users, QAccessible::NameChanged), 1);
    EXPECT_EQ(users.currentText(), QStringLiteral("たろう"));
}

TEST_F(ReaderDesktopTest, EnteringTheChartFocusesTheCursorsBar)
{
    CMainFrame& frame = Start(SampleFile());
    CNorv2View& view = *frame.GetView();
    frame.GetAction(ID_CATEGORY_ALPH)->trigger();
    frame.GetUserCombo()->setFocus();
    ASSERT_TRUE(Eventually([&] { return HasKeys(*frame.GetUserCombo()); }));
    QTest::keyClick(frame.windowHandle(), Qt::Key_Tab, Qt::ShiftModifier);
    // The last focus a reader hears of is the cursor's bar, not the bare list.
    const auto lastFocus = [&] {
        const auto& events = m_log.Events();
        const auto it = std::find_if(events.rbegin(), events.rend(),
                                     [](const CAccessibleEventLog::Event& e) { return e.type == QAccessible::Focus; });
        return it == events.rend() ? CAccessibleEventLog::Event{nullptr, "", QAccessible::Focus, -1} : *it;
    };
    EXPECT_TRUE(Eventually([&] {
        return HasKeys(view) && lastFocus().pObject == &view && lastFocus().nChild == view.GetCursorBar();
    })) << "last focus: "
        << lastFocus().pszClass << " " << lastFocus().nChild;
    EXPECT_GE(view.GetCursorBar(), 0);
}

TEST_F(ReaderDesktopTest, TheSheetsColourButtonsAndNumberFieldsSayWhatTheyAreAndHold)
{
    CMainFrame& frame = Start(SampleFile());
    OnceShown<CNorvPrpSheet>([&](CNorvPrpSheet& sheet) {
        auto* pAlph = sheet.GetBoardPage().findChild<CColorBtn*>(CPrpPage::CtrlName(1088));
        QAccessibleInterface* pButton = QAccessible::queryAccessibleInterface(pAlph);
        EXPECT_EQ(pButton->text(QAccessible::Name), QStringLiteral("英字"));
        pAlph->SetColor(RGB(255, 0, 0));
        m_log.Clear();
        pAlph->SetColor(RGB(255, 255, 255));
        EXPECT_EQ(pButton->text(QAccessible::Description), QStringLiteral("white"));
        EXPECT_EQ(m_log.Count(pAlph, QAccessible::DescriptionChanged), 1);

        sheet.GetTabs()->setCurrentIndex(0);
        auto* pWidth = sheet.GetChartPage().findChild<CDigitSpin*>(CPrpPage::CtrlName(7002));
        QAccessibleValueInterface* pValue = QAccessible::queryAccessibleInterface(pWidth)->valueInterface();
        ASSERT_NE(pValue, nullptr);
        pWidth->Edit()->setText(QStringLiteral("12"));
        m_log.Clear();
        pWidth->stepBy(1);
        EXPECT_EQ(pValue->currentValue().toInt(), 13);
        EXPECT_EQ(pValue->minimumValue().toInt(), 3);
        EXPECT_EQ(pValue->maximumValue().toInt(), 30);
        EXPECT_EQ(m_log.Count(pWidth, QAccessible::ValueChanged), 1);
    });
    frame.GetAction(ID_BOARD_PROPERTY)->trigger();
}

TEST_F(ReaderDesktopTest, LoadingSaysNothingAndARecomputedBoardIsReadAgain)
{
    CMainFrame& frame = Start(SampleFile());
    // Loaded again with the window on screen.
    ASSERT_TRUE(m_pApp->OpenDocumentFile(SampleFile()));
    EXPECT_EQ(m_log.CountOfClass("QProgressBar", QAccessible::ValueChanged), 0);

    frame.GetAction(ID_CATEGORY_ALPH)->trigger();
    CNorv2View& view = *frame.GetView();
    QTest::mouseDClick(view.viewport(), Qt::LeftButton, {}, BarPoint(view, 0));
    ASSERT_EQ(frame.GetBoards().Count(), 1);
    CNorv2Board& board = *frame.GetBoards().At(0);
    auto pData = std::make_unique<BOARDDATA>(board.GetData());
    ++pData->nTry[0];
    m_log.Clear();
    board.ReplaceData(std::move(pData));
    EXPECT_EQ(m_log.Count(&board, QAccessible::TextUpdated), 1);
}
