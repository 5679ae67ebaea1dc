#include "gui/frame/MainFrame.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QMenu>
#include <QProcess>
#include <QScreen>
#include <QScrollBar>
#include <QStatusBar>
#include <QStyleOptionComboBox>
#include <QStyleOptionMenuItem>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

#include "core/settings/AppSetting.h"
#include "gui/base/AppSettings.h"
#include "gui/base/MessageBox.h"
#include "gui/board/Norv2Board.h"
#include "gui/calendar/CalendarGrid.h"
#include "gui/calendar/PracticeCalendarWnd.h"
#include "gui/chart/Norv2View.h"
#include "gui/frame/ScaleCombo.h"
#include "gui/frame/UserCombo.h"
#include "gui/prop/BoardPrp.h"
#include "gui/prop/ChartPrp.h"
#include "gui/prop/NorvPrpSheet.h"
#include "gui/record/Norv2Doc.h"
#include "gui/record/RecordSession.h"
#include "norv2/ReportCommand.h"
#include "tests/support/RecordLines.h"
#include "tests/support/ShownWindow.h"
#include "tests/support/TempDir.h"

namespace {
// A main window over a document with runs in 英字 and ﾛｰﾏ字 only.
class MainFrameTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        setenv("TZ", "Asia/Tokyo", 1);
        tzset();
        m_setting.m_pWindowPos = std::make_unique<WINDOWPLACEMENT>();
        *m_setting.m_pWindowPos = {44, 0, 1, 0, 0, 0, 0, 50, 60, 850, 560};
        m_setting.m_ptFrame = {20, 30};
        m_frame = std::make_unique<CMainFrame>(m_session, m_settings);
        std::string lines = Records(1, 40);
        lines += RecordLine('R', 2003, 6, 20, 120, 4) + "\r\n";
        ASSERT_TRUE(m_doc.OnOpenDocument(QString::fromStdString(m_dir.Write("user1.ｷﾛｸ", lines))));
        m_frame->EnableSelectors(true);
        m_frame->SetCompactLayout();
    }
    void TearDown() override { m_frame.reset(); }

    void Trigger(int nID) { m_frame->GetAction(nID)->trigger(); }

    // Runs a command that opens the modal property sheet, lets edit() work on it and presses OK.
    // What Apply changes is seen at once, before anything else could repaint the window.
    void EditProperties(int nID, const std::function<void(CNorvPrpSheet&)>& edit)
    {
        QTimer::singleShot(0, [&edit] {
            auto* pSheet = ShownWindow<CNorvPrpSheet>();
            ASSERT_NE(pSheet, nullptr);
            edit(*pSheet);
            pSheet->GetOkButton()->click();
        });
        Trigger(nID);
    }

    void OpenWeeklyBoard()
    {
        auto data = std::make_unique<BOARDDATA>();
        data->Date = CTime(2003, 5, 4, 0, 0, 0);
        data->nScale = Scale::Weekly;
        ASSERT_TRUE(m_doc.FillBoard(data.get()));
        m_frame->GetBoards().OpenBoard(*data);
        ASSERT_EQ(m_frame->GetBoards().Count(), 1);
    }

    static bool Shows(const QImage& image, COLORREF crColor)
    {
        const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
        const QRgb wanted = qRgb(GetRValue(crColor), GetGValue(crColor), GetBValue(crColor));
        for (int y = 0; y < rgb.height(); ++y)
            for (int x = 0; x < rgb.width(); ++x)
                if (rgb.pixel(x, y) == wanted)
                    return true;
        return false;
    }

    CAppSettings m_settings;
    CAppSetting& m_setting = m_settings.Get();
    CTempDir m_dir;
    CNorv2Doc m_doc;
    CRecordSession m_session{m_doc, m_settings};
    std::unique_ptr<CMainFrame> m_frame;
};
} // namespace

TEST_F(MainFrameTest, StartsAsAFixedStripAndSwitchesToTheChartAndBack)
{
    EXPECT_TRUE(m_frame->IsCompact());
    EXPECT_EQ(m_frame->width(), 400);
    EXPECT_EQ(m_frame->minimumSize(), m_frame->maximumSize()); // the strip cannot be resized
    EXPECT_EQ(m_frame->pos(), QPoint(20, 30));

    Trigger(ID_CATEGORY_ALPH);
    EXPECT_FALSE(m_frame->IsCompact());
    EXPECT_EQ(m_frame->GetView()->GetCategory(), Category::Alph);
    EXPECT_TRUE(m_frame->GetAction(ID_CATEGORY_ALPH)->isChecked());
    EXPECT_EQ(m_frame->frameGeometry().size(), QSize(800, 500)); // the saved placement is the outer window
    EXPECT_EQ(m_frame->windowTitle(), QStringLiteral("Norv - user1の 日々の記録 (英 字)"));
    EXPECT_TRUE(m_frame->GetGageInfo().IsValid());

    m_frame->resize(700, 450);
    const int nOuterWidth = m_frame->frameGeometry().width();
    Trigger(ID_CATEGORY_ALPH); // the same category again
    EXPECT_TRUE(m_frame->IsCompact());
    EXPECT_EQ(m_frame->GetView()->GetCategory(), std::nullopt);
    EXPECT_EQ(m_frame->width(), 400);
    EXPECT_EQ(m_setting.m_pWindowPos->right - m_setting.m_pWindowPos->left, nOuterWidth);
}

TEST_F(MainFrameTest, ADamagedPlacementOpensAUsableWindowOnTheScreen)
{
    *m_setting.m_pWindowPos = {44, 0, 1, 0, 0, 0, 0, -2000000000, 5000, 2000000000, 100000};
    Trigger(ID_CATEGORY_ALPH);
    const QRect screen = m_frame->screen()->availableGeometry();
    EXPECT_EQ(m_frame->frameGeometry(), screen);
    // What is stored again is the window as it was shown.
    Trigger(ID_CATEGORY_ALPH);
    const WINDOWPLACEMENT& wp = *m_setting.m_pWindowPos;
    EXPECT_EQ(QRect(QPoint(wp.left, wp.top), QPoint(wp.right - 1, wp.bottom - 1)), screen);
}

TEST_F(MainFrameTest, TheChartOpensAtTheNewestBarAndAWindowTooLowKeepsNoOldScale)
{
    Trigger(ID_CATEGORY_ALPH);
    QCoreApplication::processEvents(); // the frame lays the gauges out around the view
    const QScrollBar* pBar = m_frame->GetView()->horizontalScrollBar();
    ASSERT_GT(pBar->maximum(), 0);
    EXPECT_EQ(pBar->value(), pBar->maximum());

    m_frame->resize(m_frame->width(), 120);
    EXPECT_FALSE(m_frame->GetGageInfo().IsValid());
    EXPECT_EQ(pBar->maximum(), 0);
}

TEST_F(MainFrameTest, CommandsFollowTheDocumentAndTheView)
{
    EXPECT_TRUE(m_frame->GetAction(ID_CATEGORY_ALPH)->isEnabled());
    EXPECT_FALSE(m_frame->GetAction(ID_CATEGORY_KANA)->isEnabled()); // no かな runs
    EXPECT_TRUE(m_frame->GetAction(ID_CATEGORY_ROMA)->isEnabled());
    EXPECT_FALSE(m_frame->GetAction(ID_BOARD_TILE)->isEnabled());
    EXPECT_FALSE(m_frame->GetAction(ID_BOARD_CLOSEALL)->isEnabled());
    EXPECT_FALSE(m_frame->GetAction(ID_HELP_FINDER)->isEnabled()); // no Norv2.chm here
    EXPECT_EQ(m_frame->GetAction(ID_FILE_OPEN_DIALOG)->shortcut(), QKeySequence(QStringLiteral("Ctrl+O")));
    EXPECT_EQ(m_frame->GetAction(ID_CATEGORY_ROMA)->statusTip(), QStringLiteral("ローマ字のグラフを表示する"));
    EXPECT_EQ(m_frame->GetAction(ID_CATEGORY_ROMA)->toolTip(), QStringLiteral("ローマ字"));

    Trigger(ID_CATEGORY_ALPH);
    Trigger(ID_SCALE_WEEKLY);
    EXPECT_EQ(m_frame->GetView()->GetScale(), Scale::Weekly);
    EXPECT_TRUE(m_frame->GetAction(ID_SCALE_WEEKLY)->isChecked());
    EXPECT_FALSE(m_frame->GetAction(ID_SCALE_DAILY)->isChecked());
    EXPECT_EQ(m_frame->windowTitle(), QStringLiteral("Norv - user1の 週ごとの記録 (英 字)"));

    m_frame->EnableSelectors(false);
    EXPECT_FALSE(m_frame->GetAction(ID_SCALE_MONTHLY)->isEnabled());
}

TEST_F(MainFrameTest, TitlesAndABrokenFileReset)
{
    m_frame->SetFrameTitle(std::nullopt, Scale::Daily);
    EXPECT_EQ(m_frame->windowTitle(), QStringLiteral("Norv - user1の記録"));
    m_setting.m_strUserName = "user\n1";
    m_frame->SetFrameTitle(std::nullopt, Scale::Daily);
    EXPECT_EQ(m_frame->windowTitle(), QStringLiteral("Norv - user?1の記録"));
    m_setting.m_strUserName = "user1";

    Trigger(ID_CATEGORY_ALPH);
    Trigger(ID_SCALE_WEEKLY);
    // The user reads why before the chart goes.
    std::vector<std::pair<std::optional<Category>, int>> shownBehind;
    SetMessageBoxRecorder([&](const MessageBoxCall&) {
        shownBehind.emplace_back(m_frame->GetView()->GetCategory(), m_frame->GetScaleCombo()->currentIndex());
        return IDOK;
    });
    m_dir.Write("user1.ｷﾛｸ", std::string(44, '?') + "\r\n", true);
    m_doc.Refresh();
    SetMessageBoxRecorder({});
    const std::pair<std::optional<Category>, int> chart{Category::Alph, 1};
    EXPECT_EQ(shownBehind, (std::vector{chart, chart}));
    EXPECT_TRUE(m_frame->IsCompact());
    EXPECT_FALSE(m_frame->IsScaleSelectorEnabled());
    EXPECT_EQ(m_frame->GetView()->GetCategory(), std::nullopt);
    // Everything that shows the state follows it: no user, the daily scale.
    EXPECT_EQ(m_frame->windowTitle(), QStringLiteral("Norv"));
    EXPECT_EQ(m_frame->GetScaleCombo()->currentIndex(), 0);
}

TEST_F(MainFrameTest, TheHelpCommandFollowsTheHelpFileInTheCurrentFolder)
{
    const QString strWorkDir = QDir::currentPath();
    QDir::setCurrent(QString::fromStdString(m_dir.File("")));
    CMainFrame frame(m_session, m_settings);
    QAction* help = frame.GetAction(ID_HELP_FINDER);
    EXPECT_FALSE(help->isEnabled());
    m_dir.Write("Norv2.chm", "");
    EXPECT_TRUE(QTest::qWaitFor([&] { return help->isEnabled(); }));
    std::filesystem::remove(m_dir.File("Norv2.chm"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !help->isEnabled(); }));
    QDir::setCurrent(strWorkDir);
}

TEST_F(MainFrameTest, AHelpFileThatNoProgramOpensIsReported)
{
    m_dir.Write("Norv2.chm", "");
    const std::string strOpener = m_dir.Write("xdg-open", "#!/bin/sh\nexit \"$NORV2_TEST_OPENER_EXIT\"\n");
    std::filesystem::permissions(strOpener, std::filesystem::perms::owner_all);
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", QByteArray::fromStdString(m_dir.File("")) + ':' + path);
    const QString strWorkDir = QDir::currentPath();
    QDir::setCurrent(QString::fromStdString(m_dir.File("")));
    std::vector<unsigned> messages;
    SetMessageBoxRecorder([&](const MessageBoxCall& call) {
        messages.push_back(call.nID);
        return IDOK;
    });
    CMainFrame frame(m_session, m_settings); // sees the help file in its folder
    for (const char* exitCode : {"3", "0"}) {
        qputenv("NORV2_TEST_OPENER_EXIT", exitCode);
        frame.GetAction(ID_HELP_FINDER)->trigger();
        EXPECT_TRUE(QTest::qWaitFor([&] { return frame.findChildren<QProcess*>().isEmpty(); }));
    }
    SetMessageBoxRecorder({});
    QDir::setCurrent(strWorkDir);
    qputenv("PATH", path);
    EXPECT_EQ(messages, std::vector<unsigned>{10011});
}

TEST_F(MainFrameTest, CommandsAndSelectorsFollowTheDocumentAtOnce)
{
    ASSERT_TRUE(m_doc.OnOpenDocument(
        QString::fromStdString(m_dir.Write("user2.ｷﾛｸ", RecordLine('\xB1', 2003, 6, 1, 150, 3) + "\r\n"))));
    EXPECT_FALSE(m_frame->GetAction(ID_CATEGORY_ALPH)->isEnabled());
    EXPECT_TRUE(m_frame->GetAction(ID_CATEGORY_KANA)->isEnabled());
    EXPECT_EQ(m_frame->GetUserCombo()->count(), 2);
    EXPECT_EQ(m_frame->GetUserCombo()->currentText(), QStringLiteral("user2"));

    m_dir.Write("user2.ｷﾛｸ", RecordLine('A', 2003, 6, 2, 150, 3) + "\r\n", true);
    m_doc.Refresh();
    EXPECT_TRUE(m_frame->GetAction(ID_CATEGORY_ALPH)->isEnabled());
}

TEST_F(MainFrameTest, AReplacedFileLeavesNoFiguresOfVanishedBars)
{
    Trigger(ID_CATEGORY_ALPH);
    m_frame->SetBarStatusText("[2003/1/40] 英 字 ...");
    m_dir.Write("user1.ｷﾛｸ", Records(1, 3));
    m_doc.Refresh();
    EXPECT_TRUE(m_frame->GetBarStatusText().isEmpty());
}

TEST_F(MainFrameTest, MenusToolbarAndSelectorsShowWhatTheyHold)
{
    Trigger(ID_CATEGORY_ALPH);
    // A chosen category shows a check mark in the menus, not the toolbar's picture.
    struct CMenuProbe : QMenu
    {
        using QMenu::initStyleOption;
    } menu;
    QStyleOptionMenuItem item;
    menu.addAction(m_frame->GetAction(ID_CATEGORY_ALPH));
    menu.initStyleOption(&item, m_frame->GetAction(ID_CATEGORY_ALPH));
    EXPECT_TRUE(item.checked);
    EXPECT_TRUE(item.icon.isNull());

    // No nameless item that would hide the toolbar and both selectors.
    EXPECT_EQ(m_frame->createPopupMenu(), nullptr);

    QComboBox* pScale = m_frame->GetScaleCombo();
    QStyleOptionComboBox box;
    box.initFrom(pScale);
    const QRect text = pScale->style()->subControlRect(QStyle::CC_ComboBox, &box, QStyle::SC_ComboBoxEditField, pScale);
    EXPECT_GE(text.width(), pScale->fontMetrics().horizontalAdvance(QStringLiteral("Monthly")));
}

TEST_F(MainFrameTest, TabGoesRoundTheSelectorsAndTheChartWhoseEnterOpensABoard)
{
    Trigger(ID_CATEGORY_ALPH);
    m_frame->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(m_frame.get()));
    EXPECT_EQ(m_frame->GetUserCombo()->accessibleName(), QStringLiteral("ユーザ名"));
    EXPECT_EQ(m_frame->GetScaleCombo()->accessibleName(), QStringLiteral("表示スケール"));
    m_frame->GetUserCombo()->setFocus();
    std::vector<QWidget*> chain;
    for (int i = 0; i < 3; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        chain.push_back(QApplication::focusWidget());
    }
    EXPECT_EQ(chain, (std::vector<QWidget*>{m_frame->GetScaleCombo(), m_frame->GetView(), m_frame->GetUserCombo()}));

    m_frame->GetView()->setFocus();
    QTest::keyClick(m_frame->GetView(), Qt::Key_Left);
    EXPECT_TRUE(m_frame->GetBarStatusText().startsWith(QStringLiteral("[2003/6/8] 英 字")));
    QTest::keyClick(m_frame->GetView(), Qt::Key_Enter);
    ASSERT_EQ(m_frame->GetBoards().Count(), 1);
    EXPECT_EQ(m_frame->GetBoards().At(0)->GetData().Date, CTime(2003, 6, 8, 0, 0, 0));
}

TEST_F(MainFrameTest, TheCalendarWalksToADayWhoseEnterOpensItsBoard)
{
    ASSERT_TRUE(m_frame->GetAction(ID_CHART_CALENDAR)->isEnabled());
    Trigger(ID_CHART_CALENDAR);
    CPracticeCalendarWnd* pCalendar = m_frame->GetCalendar();
    ASSERT_NE(pCalendar, nullptr);
    EXPECT_EQ(pCalendar->windowTitle(), QStringLiteral("user1の練習カレンダー"));
    CCalendarGrid* pGrid = pCalendar->Grid();
    pCalendar->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(pCalendar));
    EXPECT_TRUE(QTest::qWaitFor([&] { return pGrid->hasFocus(); }));
    // Back year by year to the first record's, whatever year it is now.
    for (int i = 0; i < 200 && pCalendar->ShownYear() != 2003; ++i)
        QTest::keyClick(pGrid, Qt::Key_PageUp);
    ASSERT_EQ(pCalendar->ShownYear(), 2003);
    QTest::keyClick(pGrid, Qt::Key_PageUp);
    EXPECT_EQ(pCalendar->ShownYear(), 2003);
    // 1 January, then 17 weeks and 6 days on: Tuesday 6 May.
    QTest::keyClick(pGrid, Qt::Key_Home);
    for (int i = 0; i < 17; ++i)
        QTest::keyClick(pGrid, Qt::Key_Right);
    for (int i = 0; i < 6; ++i)
        QTest::keyClick(pGrid, Qt::Key_Down);
    QAccessibleInterface* pCell = QAccessible::queryAccessibleInterface(pGrid)->focusChild();
    ASSERT_NE(pCell, nullptr);
    EXPECT_EQ(pCell->text(QAccessible::Name), QStringLiteral("2003年5月6日(火) 英字 1回 最高 105(5) 最低 105(5)"));
    QTest::keyClick(pGrid, Qt::Key_Enter);
    ASSERT_EQ(m_frame->GetBoards().Count(), 1);
    EXPECT_EQ(m_frame->GetBoards().At(0)->GetData().Date, CTime(2003, 5, 6, 0, 0, 0));
    EXPECT_EQ(m_frame->GetBoards().At(0)->GetData().nScale, Scale::Daily);

    // A run appended for the 7th counts at the next refresh; the year and the cursor stay.
    std::ofstream(m_doc.GetPathName().toStdString(), std::ios::app) << RecordLine('A', 2003, 5, 7, 250, 3) << "\r\n";
    m_doc.Refresh();
    EXPECT_EQ(pCalendar->ShownYear(), 2003);
    EXPECT_EQ(pGrid->Cursor(), DaysFromCivil(2003, 5, 6));
    const CalendarGridContent& content = pGrid->Content();
    EXPECT_EQ(content.nRuns[std::size_t(DaysFromCivil(2003, 5, 7) - content.range.nFirst)], 2);

    // Another user's file, with more days than this one: the calendar has its days alone.
    ASSERT_TRUE(m_doc.OnOpenDocument(QString::fromStdString(m_dir.Write("user2.ｷﾛｸ", Records(300, 60)))));
    EXPECT_EQ(pCalendar->windowTitle(), QStringLiteral("user2の練習カレンダー"));
    EXPECT_EQ(m_doc.GetPracticeDays().Days().size(), 60u);
}

TEST_F(MainFrameTest, BoardsOpenFromTheChartAndCopyWhatTheReportPrints)
{
    Trigger(ID_CATEGORY_ALPH);
    OpenWeeklyBoard();
    EXPECT_TRUE(m_frame->GetAction(ID_BOARD_TILE)->isEnabled());
    EXPECT_TRUE(m_frame->GetAction(ID_BOARD_CLOSEALL)->isEnabled());

    SetMessageBoxRecorder([](const MessageBoxCall&) { return IDOK; });
    ASSERT_TRUE(m_frame->GetBoards().At(0)->CopyToClipboard());
    SetMessageBoxRecorder({});
    std::ostringstream report, err;
    ASSERT_EQ(RunReport({"--board", "2003-05-07", "--scale", "weekly", m_doc.GetPathName().toStdString()}, m_setting,
                        report, err),
              0);
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), report.str());

    Trigger(ID_CATEGORY_ALPH); // back to the strip: tiling is off, closing all is not
    EXPECT_FALSE(m_frame->GetAction(ID_BOARD_TILE)->isEnabled());
    Trigger(ID_BOARD_CLOSEALL);
    EXPECT_EQ(m_frame->GetBoards().Count(), 0);
    EXPECT_FALSE(m_frame->GetAction(ID_BOARD_CLOSEALL)->isEnabled());
}

TEST_F(MainFrameTest, PropertySheetChangesShowInTheChartAndTheBoards)
{
    Trigger(ID_CATEGORY_ALPH);
    Trigger(ID_SCALE_WEEKLY);
    OpenWeeklyBoard();
    QCoreApplication::processEvents(); // the chart settles at the window's size first
    CNorv2Board* pBoard = m_frame->GetBoards().At(0);
    const QSize boardSize = pBoard->size();
    constexpr COLORREF crBack = RGB(1, 200, 3);
    constexpr COLORREF crBar = RGB(3, 1, 200);
    ASSERT_FALSE(Shows(pBoard->grab().toImage(), crBack));
    ASSERT_FALSE(Shows(m_frame->GetView()->viewport()->grab().toImage(), crBar));

    CColorBtn::SetColorChooser([](QWidget*, COLORREF) { return crBack; });
    QFont bigger("IPAGothic");
    bigger.setPixelSize(24);
    CPrpPage::SetFontChooser([&bigger](QWidget*, const QFont&) { return bigger; });
    EditProperties(ID_BOARD_PROPERTY, [&](CNorvPrpSheet& sheet) {
        EXPECT_EQ(sheet.GetTabs()->currentIndex(), 1);
        EXPECT_EQ(sheet.GetBoardPage().GetScale(), Scale::Weekly);
        sheet.GetBoardPage().GetDlgItem<QAbstractButton>(1092)->click(); // background
        sheet.GetBoardPage().GetDlgItem<QAbstractButton>(1041)->click(); // font
        sheet.GetApplyButton()->click();
        EXPECT_EQ(m_setting.m_BoardColor[Index(Scale::Weekly)].crBack, crBack);
        EXPECT_GT(pBoard->width(), boardSize.width());
        EXPECT_GT(pBoard->height(), boardSize.height());
        EXPECT_TRUE(Shows(pBoard->grab().toImage(), crBack));
    });

    CColorBtn::SetColorChooser([](QWidget*, COLORREF) { return crBar; });
    EditProperties(ID_CHART_PROPERTY, [&](CNorvPrpSheet& sheet) {
        EXPECT_EQ(sheet.GetTabs()->currentIndex(), 0);
        EXPECT_EQ(sheet.GetChartPage().GetCategory(), Category::Alph);
        sheet.GetChartPage().GetDlgItem<QAbstractButton>(1084)->click(); // bar
        sheet.GetApplyButton()->click();
        EXPECT_EQ(m_setting.m_ChartColor[0].crBar, crBar);
        EXPECT_TRUE(Shows(m_frame->GetView()->viewport()->grab().toImage(), crBar));
    });
    CColorBtn::SetColorChooser({});
    CPrpPage::SetFontChooser({});
}
