#include "gui/board/BoardList.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QMenu>
#include <QPointer>
#include <QTest>
#include <cmath>
#include <cstdlib>
#include <ctime>
#include <gtest/gtest.h>

#include "core/base/MulDiv.h"
#include "core/board/BoardLayout.h"
#include "core/board/BoardText.h"
#include "core/record/PeriodData.h"
#include "core/settings/AppSetting.h"
#include "gui/base/AppSettings.h"
#include "gui/base/FontConvert.h"
#include "gui/base/MessageBox.h"
#include "gui/board/Norv2Board.h"
#include "gui/record/Norv2Doc.h"
#include "tests/support/RecordLines.h"
#include "tests/support/TempDir.h"

namespace {
// The boards of user1, whose file holds one 英字 run a day from 2003-05-01 to 2003-05-10,
// in a 12-pixel IPAGothic, with every message recorded instead of shown.
class BoardWindowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        setenv("TZ", "Asia/Tokyo", 1);
        tzset();
        m_setting.m_pBoardFont = std::make_unique<LOGFONT>();
        m_setting.m_pBoardFont->lfHeight = -12;
        m_setting.m_pBoardFont->SetFaceNameBytes("IPAGothic");
        for (int i = 0; i < 6; ++i)
            m_setting.m_ptBoard[static_cast<std::size_t>(i)] = {30 * (i + 1), 30 * (i + 1)};
        SetMessageBoxRecorder([this](const MessageBoxCall& call) {
            m_messages.push_back(call);
            return IDOK;
        });
        m_strPath = m_dir.Write("user1.ｷﾛｸ", Records(1, 10));
        ASSERT_TRUE(m_doc.OnOpenDocument(QString::fromStdString(m_strPath)));
        m_setting.m_strUserName = "user1"; // as the main window records it
    }
    void TearDown() override
    {
        m_list.CloseAllBoards();
        SetMessageBoxRecorder({});
        setenv("TZ", "UTC", 1);
        tzset();
    }

    std::unique_ptr<BOARDDATA> Period(Scale nScale, int y, int m, int d) const
    {
        auto pData = std::make_unique<BOARDDATA>();
        pData->nScale = nScale;
        pData->Date = CTime(y, m, d, 0, 0, 0);
        EXPECT_TRUE(m_doc.FillBoard(pData.get()));
        return pData;
    }
    CNorv2Board* OpenDay(int d) { return m_list.OpenBoard(Period(Scale::Daily, 2003, 5, d)); }

    QFontMetrics Metrics() const { return QFontMetrics(QFontFromLogFont(*m_setting.m_pBoardFont)); }
    QSize Template(bool bJapanese) const
    {
        const QFontMetrics metrics = Metrics();
        return {metrics.horizontalAdvance(QString::fromStdString(BoardMeasuringTemplate(bJapanese))), metrics.height()};
    }

    CAppSettings m_settings;
    CAppSetting& m_setting = m_settings.Get();
    CTempDir m_dir;
    std::string m_strPath;
    CNorv2Doc m_doc;
    std::vector<MessageBoxCall> m_messages;
    CBoardList m_list{m_settings};
};

const QRect kFrameClient(100, 50, 900, 700);
constexpr int kGageWidth = 40;
constexpr int kToolBarHeight = 28;

int CountBoardWindows()
{
    int n = 0;
    for (QWidget* pWidget : QApplication::topLevelWidgets())
        n += qobject_cast<CNorv2Board*>(pWidget) ? 1 : 0;
    return n;
}
} // namespace

TEST_F(BoardWindowTest, ABoardIsAFixedToolWindowTitledOnceForItsPeriod)
{
    CNorv2Board* pBoard = OpenDay(6);
    ASSERT_NE(pBoard, nullptr);
    const Qt::WindowFlags flags = pBoard->windowFlags();
    EXPECT_EQ(flags & Qt::WindowType_Mask, Qt::Tool);
    EXPECT_TRUE(flags.testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_EQ(pBoard->minimumSize(), pBoard->maximumSize());
    EXPECT_TRUE(pBoard->isVisible());
    EXPECT_EQ(pBoard->pos(), QPoint(30, 30));
    EXPECT_EQ(pBoard->windowTitle(), QStringLiteral("2003年 5月 6日(火)の記録 - user1"));
    EXPECT_EQ(pBoard->GetData().nTry[0], 1);
}

TEST_F(BoardWindowTest, TheClientSizeFollowsTheMeasuredTemplateAndTheShownRows)
{
    m_setting.m_nBoardFlag = 0x10; // Japanese labels, no row
    CNorv2Board* pBoard = OpenDay(6);
    const QSize t = Template(true);
    EXPECT_EQ(pBoard->size(), QSize(t.width() + 90, 2 * t.height() + 10));

    // English labels measure the other template; three rows add four and a half lines.
    m_setting.m_nBoardFlag = 0x0B;
    pBoard->Relayout();
    const QSize e = Template(false);
    EXPECT_NE(e.width(), t.width());
    // IPAGothic is fixed-pitch: the English cells hold one 9 more than their template, and
    // the board is as wide as they need, its last ")" uncut.
    EXPECT_EQ(pBoard->size(), QSize(e.width() + 90 + Metrics().horizontalAdvance(QLatin1Char('9')),
                                    MulDiv(3 * e.height(), 3, 2) + 2 * e.height() + 10));
}

TEST_F(BoardWindowTest, ASeventhBoardIsRefusedAndTheSixStayAsTheyWere)
{
    std::vector<CNorv2Board*> boards;
    for (int d = 1; d <= 6; ++d)
        boards.push_back(OpenDay(d));
    for (int i = 0; i < 6; ++i) {
        ASSERT_EQ(m_list.At(i), boards[static_cast<std::size_t>(i)]);
        EXPECT_EQ(boards[static_cast<std::size_t>(i)]->GetSlot(), i);
        EXPECT_EQ(boards[static_cast<std::size_t>(i)]->pos(), QPoint(30 * (i + 1), 30 * (i + 1)));
    }
    EXPECT_TRUE(m_messages.empty());

    EXPECT_EQ(OpenDay(7), nullptr);
    ASSERT_EQ(m_messages.size(), 1u);
    EXPECT_EQ(m_messages[0].nID, 10008u);
    EXPECT_EQ(m_messages[0].nType & MB_ICONMASK, MB_ICONINFORMATION);
    EXPECT_EQ(m_list.Count(), 6);
    EXPECT_EQ(CountBoardWindows(), 6);
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(m_list.At(i), boards[static_cast<std::size_t>(i)]);
    EXPECT_EQ(m_list.At(6), nullptr);
}

TEST_F(BoardWindowTest, TilingPutsBoardsInColumnsOfThreeOrOnlyResizesInTheCompactLayout)
{
    for (int d = 1; d <= 5; ++d)
        OpenDay(d);
    const QSize size = m_list.At(0)->GetBoardSize();
    EXPECT_EQ(m_list.TileBoards(kFrameClient, kGageWidth, kToolBarHeight, false), 5);
    for (int i = 0; i < 5; ++i) {
        const QPoint expected(100 + kGageWidth + (i / 3) * size.width(), 50 + kToolBarHeight + (i % 3) * size.height());
        EXPECT_EQ(m_list.At(i)->pos(), expected) << "entry " << i;
    }
    EXPECT_EQ(m_list.PlaceBoard(5, kFrameClient, kGageWidth, kToolBarHeight, false), QPoint(-1, -1));
    EXPECT_EQ(m_list.PlaceBoard(-1, kFrameClient, kGageWidth, kToolBarHeight, false), QPoint(-1, -1));

    // Fewer rows: the boards shrink where they stand.
    m_list.At(4)->move(500, 400);
    m_setting.m_nBoardFlag = 0x11;
    EXPECT_EQ(m_list.PlaceBoard(4, kFrameClient, kGageWidth, kToolBarHeight, true), QPoint(0, 0));
    EXPECT_EQ(m_list.At(4)->pos(), QPoint(500, 400));
    EXPECT_LT(m_list.At(4)->height(), size.height());
    EXPECT_EQ(m_list.At(4)->size(), m_list.At(4)->GetClientSize());

    // A change of the board settings resizes every board and, in the chart layout, tiles them.
    EXPECT_EQ(m_list.RelayoutAll(kFrameClient, kGageWidth, kToolBarHeight, false), 5);
    const QSize smaller = m_list.At(0)->GetBoardSize();
    EXPECT_EQ(m_list.At(4)->pos(), QPoint(100 + kGageWidth + smaller.width(), 50 + kToolBarHeight + smaller.height()));
    EXPECT_EQ(m_list.At(0)->size(), m_list.At(0)->GetClientSize());
}

TEST_F(BoardWindowTest, ClosingABoardCompactsTheListWhileSlotsStay)
{
    QPointer<CNorv2Board> pFirst = OpenDay(1);
    CNorv2Board* pSecond = OpenDay(2);
    CNorv2Board* pThird = OpenDay(3);
    int nChanges = 0;
    const auto counting = QObject::connect(&m_list, &CBoardList::countChanged, [&] { ++nChanges; });
    pFirst->move(210, 220);
    EXPECT_TRUE(pFirst->close());
    EXPECT_EQ(nChanges, 1);
    EXPECT_EQ(m_list.Count(), 2);
    EXPECT_EQ(m_list.At(0), pSecond);
    EXPECT_EQ(m_list.At(1), pThird);
    EXPECT_EQ(m_list.At(2), nullptr);
    EXPECT_TRUE(QTest::qWaitFor([&] { return pFirst.isNull(); }));
    EXPECT_EQ(m_setting.m_ptBoard[0], (CPoint{210, 220})); // its slot remembers where it was

    m_list.TileBoards(kFrameClient, kGageWidth, kToolBarHeight, false);
    EXPECT_EQ(pSecond->pos(), QPoint(100 + kGageWidth, 50 + kToolBarHeight));
    EXPECT_EQ(pThird->pos(), QPoint(100 + kGageWidth, 50 + kToolBarHeight + pSecond->GetBoardSize().height()));
    EXPECT_EQ(pSecond->GetSlot(), 1);
    EXPECT_EQ(pThird->GetSlot(), 2);

    // A new board takes the slot of the number open, shared here with the third board.
    EXPECT_EQ(OpenDay(4)->GetSlot(), 2);
    EXPECT_EQ(m_list.RemoveBoard(nullptr), -1);
    EXPECT_EQ(m_list.CloseAllBoards(), 3);
    EXPECT_EQ(nChanges, 3);
    QObject::disconnect(counting);
}

TEST_F(BoardWindowTest, EveryBoardStoresItsPositionForItsSlotWhenDestroyed)
{
    CNorv2Board* pFirst = OpenDay(1);
    CNorv2Board* pSecond = OpenDay(2);
    pFirst->move(11, 12);
    pSecond->move(321, 222);
    EXPECT_EQ(m_list.CloseAllBoards(), 2);
    EXPECT_EQ(m_list.Count(), 0);
    EXPECT_EQ(CountBoardWindows(), 0);
    EXPECT_EQ(m_setting.m_ptBoard[0], (CPoint{11, 12}));
    EXPECT_EQ(m_setting.m_ptBoard[1], (CPoint{321, 222}));
    EXPECT_EQ(m_setting.m_ptBoard[2], (CPoint{90, 90}));
    EXPECT_EQ(m_list.CloseAllBoards(), 0);

    // A board opens where its slot was left.
    EXPECT_EQ(OpenDay(3)->pos(), QPoint(11, 12));
}

TEST_F(BoardWindowTest, BoardsOfTheCurrentPeriodFollowAppendedRecordsAndKeepTitleAndSlot)
{
    // Marked figures show whether a board was recomputed.
    auto marked = [this](Scale nScale, int y, int m, int d) {
        auto pData = Period(nScale, y, m, d);
        pData->nTry[0] = 77;
        return m_list.OpenBoard(std::move(pData));
    };
    CNorv2Board* pFirst = marked(Scale::Daily, 2003, 5, 1);
    CNorv2Board* pYesterday = marked(Scale::Daily, 2003, 5, 9);
    CNorv2Board* pToday = marked(Scale::Daily, 2003, 5, 10);
    CNorv2Board* pWeek = marked(Scale::Weekly, 2003, 5, 4);
    CNorv2Board* pLastMonth = marked(Scale::Monthly, 2003, 4, 1);
    pFirst->close(); // the list moves up, so entries and slots differ
    const QString strTitle = pToday->windowTitle();

    m_setting.m_strUserName = "user2"; // as if another file had been loaded since
    m_dir.Write("user1.ｷﾛｸ", RecordLine('A', 2003, 5, 10, 230, 1, 0) + "\r\n", true);
    m_doc.Refresh();
    EXPECT_EQ(m_list.RefreshBoards(m_doc, CTime(2003, 5, 10, 0, 40, 0)), 2);

    EXPECT_EQ(pToday->GetData().nTry[0], 2);
    EXPECT_EQ(pToday->GetData().nBest[0], 230);
    EXPECT_EQ(pToday->GetData().nTTry[0], 11);
    EXPECT_EQ(pToday->GetSlot(), 2);
    EXPECT_EQ(pToday->windowTitle(), strTitle);
    EXPECT_EQ(m_list.At(1), pToday);
    EXPECT_EQ(pWeek->GetData().nTry[0], 8); // 4..10 May
    EXPECT_EQ(pWeek->GetData().nScale, Scale::Weekly);
    EXPECT_EQ(pWeek->GetSlot(), 3);
    EXPECT_EQ(pYesterday->GetData().nTry[0], 77);
    EXPECT_EQ(pLastMonth->GetData().nTry[0], 77);

    // Another day, another week: nothing holds that moment.
    EXPECT_EQ(m_list.RefreshBoards(m_doc, CTime(2003, 5, 11, 0, 0, 0)), 0);
}

TEST_F(BoardWindowTest, TheMenuStartsWithTheCopyCommandASeparatorAndClose)
{
    CNorv2Board* pBoard = OpenDay(6);
    QMenu menu;
    pBoard->BuildContextMenu(menu);
    const auto actions = menu.actions();
    ASSERT_EQ(actions.size(), 3);
    EXPECT_EQ(actions[0]->text(), QStringLiteral("ボードの内容をコピーする"));
    EXPECT_TRUE(actions[1]->isSeparator());
    EXPECT_EQ(actions[2]->text(), QStringLiteral("閉じる"));
    EXPECT_EQ(actions[0]->shortcut(), QKeySequence(QKeySequence::Copy));
    EXPECT_TRUE(pBoard->actions().contains(actions[0])); // live without the menu open

    QPointer<CNorv2Board> pClosing = pBoard;
    actions[2]->trigger();
    EXPECT_EQ(m_list.Count(), 0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return pClosing.isNull(); }));
}

TEST_F(BoardWindowTest, AssistiveTechnologyReadsTheTableRowByRow)
{
    m_setting.m_nBoardFlag = 0x01; // Alph only, English labels
    QAccessibleInterface* pBoard = QAccessible::queryAccessibleInterface(OpenDay(6));
    ASSERT_NE(pBoard, nullptr);
    EXPECT_EQ(pBoard->text(QAccessible::Name), QStringLiteral("2003年 5月 6日(火)の記録 - user1"));
    QAccessibleTextInterface* pText = pBoard->textInterface();
    ASSERT_NE(pText, nullptr);
    EXPECT_EQ(pText->text(0, pText->characterCount()),
              QStringLiteral("2003年 5月 6日(火)の記録 - user1\n"
                             "Alph: Try 1, Best 105(5), Worst 105(5), Ave 105(5), T_Try 6, T_Best 105(5)"));
    EXPECT_EQ(pText->text(6, 8), QStringLiteral("5月"));
}

TEST_F(BoardWindowTest, CopyAndCtrlCPutExactlyTheCopyTextOnTheClipboard)
{
    m_setting.m_nBoardFlag = 0x03; // English labels on screen; the copy stays Japanese
    m_setting.m_strRefStr = "> ";
    CNorv2Board* pBoard = OpenDay(6);
    QGuiApplication::clipboard()->setText(QStringLiteral("before"));

    pBoard->GetCopyAction()->trigger();
    const std::string expected = BoardCopyText(pBoard->GetData(), "2003年 5月 6日(火)の記録 - user1", m_setting);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QString::fromStdString(expected));
    EXPECT_NE(expected.find("\r\n> Ａ  "), std::string::npos);
    ASSERT_EQ(m_messages.size(), 1u);
    EXPECT_EQ(m_messages[0].nID, 10005u);
    EXPECT_EQ(m_messages[0].nType & MB_ICONMASK, MB_ICONINFORMATION);
    EXPECT_EQ(pBoard->GetData().nTry[0], 1); // the board is unchanged

    // Ctrl+C on the board is the same command.
    QGuiApplication::clipboard()->setText(QStringLiteral("before"));
    pBoard->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(pBoard));
    QTest::keyClick(pBoard, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QString::fromStdString(expected));
    ASSERT_EQ(m_messages.size(), 2u);
    EXPECT_EQ(m_messages[1].nID, 10005u);
}

TEST_F(BoardWindowTest, PaintingUsesTheColoursOfTheBoardsScaleAndClipsWideFigures)
{
    BOARDCOLOR colors{RGB(250, 250, 240), RGB(0, 0, 200), RGB(200, 0, 0),   RGB(0, 150, 0),
                      RGB(0, 0, 0),       RGB(0, 0, 0),   RGB(10, 120, 130)};
    m_setting.SetBoardColors(&colors, Scale::Weekly);
    m_setting.m_nBoardFlag = 0x11; // Alph only
    auto pData = Period(Scale::Weekly, 2003, 5, 4);
    pData->nTry[0] = 99999; // wider than its cell
    CNorv2Board* pBoard = m_list.OpenBoard(std::move(pData));
    const QImage image = pBoard->grab().toImage();

    const QFontMetrics metrics = Metrics();
    std::array<CSize, 11> cells;
    const auto templates = BoardCellTemplates(true);
    for (std::size_t i = 0; i < cells.size(); ++i)
        cells[i] = {metrics.horizontalAdvance(QString::fromStdString(templates[i])), metrics.height()};
    const BoardLayout layout = LayoutBoard(pBoard->GetData(), m_setting, cells);
    ASSERT_EQ(layout.rows.size(), 1u);

    // Pixels of exactly rgb, and pixels of text drawn in rgb: blends of rgb into the background.
    const QRgb back = qRgb(250, 250, 240);
    auto pixels = [&](const CRect& rc, QRgb rgb) {
        int n = 0;
        for (int y = rc.top; y < rc.bottom; ++y)
            for (int x = rc.left; x < rc.right; ++x)
                n += (image.pixel(x, y) & 0xFFFFFF) == (rgb & 0xFFFFFF) ? 1 : 0;
        return n;
    };
    auto ink = [&](const CRect& rc, QRgb rgb) {
        int n = 0;
        for (int y = rc.top; y < rc.bottom; ++y) {
            for (int x = rc.left; x < rc.right; ++x) {
                const QRgb p = image.pixel(x, y);
                const double r = double(qRed(back) - qRed(p)) / (qRed(back) - qRed(rgb));
                const double g = double(qGreen(back) - qGreen(p)) / (qGreen(back) - qGreen(rgb));
                const double b = double(qBlue(back) - qBlue(p)) / (qBlue(back) - qBlue(rgb));
                n += r > 0.3 && std::abs(r - g) < 0.1 && std::abs(r - b) < 0.1 ? 1 : 0;
            }
        }
        return n;
    };
    const QRgb alph = qRgb(200, 0, 0);
    EXPECT_EQ(image.pixel(0, 0) & 0xFFFFFF, back & 0xFFFFFF);
    EXPECT_EQ(image.pixel(image.width() - 1, image.height() - 1) & 0xFFFFFF, back & 0xFFFFFF);
    EXPECT_EQ(pixels(layout.rcRule, qRgb(10, 120, 130)), layout.rcRule.Width() * layout.rcRule.Height());
    EXPECT_GT(ink(layout.headings[0].rc, qRgb(0, 0, 200)), 0);
    EXPECT_GT(ink(layout.rows[0].label.rc, alph), 0);
    EXPECT_GT(ink(layout.rows[0].figures[0].rc, alph), 0);
    EXPECT_EQ(ink(layout.rows[0].figures[0].rc, qRgb(0, 150, 0)), 0); // no Kana row

    // Between the label cell and the figure cell nothing but background.
    const CRect& label = layout.rows[0].label.rc;
    const CRect& figure = layout.rows[0].figures[0].rc;
    const CRect gap{label.right, figure.top, figure.left, figure.bottom};
    EXPECT_EQ(pixels(gap, back), gap.Width() * gap.Height());
}
