#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QMessageBox>
#include <QScreen>
#include <QTabWidget>
#include <QTimer>

#include "gui/board/Norv2Board.h"
#include "gui/prop/BoardPrp.h"
#include "gui/prop/NorvPrpSheet.h"
#include "tests/gui/desktop/DesktopFixture.h"
#include "tests/gui/desktop/ServerGeometry.h"

namespace {
constexpr QRgb kBoardBack = qRgb(255, 0, 255);

// Whether any pixel the user sees inside r has the boards' background colour.
bool ShowsBoard(const QRect& r)
{
    const QImage shot = QGuiApplication::primaryScreen()
                            ->grabWindow(0, r.x(), r.y(), r.width(), r.height())
                            .toImage()
                            .convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x)
            if (shot.pixel(x, y) == kBoardBack)
                return true;
    return false;
}

class BoardDesktopTest : public DesktopTest
{
protected:
    // The chart of 英字 with n boards of its newest day, all at one place over the window.
    CMainFrame& StartWithBoards(int n)
    {
        Store(QStringLiteral("Board/Daily"), QStringLiteral("ff00ff:0:0:0:0:0:808080"));
        Store(QStringLiteral("Board/Point"), QStringLiteral("250:250:250:250:250:250:250:250:250:250:250:250"));
        CMainFrame& frame = Start(SampleFile());
        frame.GetAction(ID_CATEGORY_ALPH)->trigger();
        EXPECT_TRUE(Eventually([&] { return ChartShown(frame); }));
        for (int i = 0; i < n; ++i) {
            DoubleClickNewestBar(frame);
            // As a user sees it: the next bar is clicked once the new board has come up.
            EXPECT_TRUE(Eventually([&] {
                return frame.GetBoards().Count() == i + 1 &&
                       QGuiApplication::focusWindow() == frame.GetBoards().At(i)->windowHandle();
            }));
        }
        return frame;
    }
    static void DoubleClickNewestBar(CMainFrame& frame)
    {
        CNorv2View& view = *frame.GetView();
        QTest::mouseDClick(view.viewport(), Qt::LeftButton, {}, BarPoint(view, 0));
    }
};
} // namespace

TEST_F(BoardDesktopTest, TheMessageRefusingASeventhBoardShowsAboveTheSix)
{
    CMainFrame& frame = StartWithBoards(6);
    ASSERT_EQ(frame.GetBoards().Count(), 6);
    SetMessageBoxRecorder({});
    bool bShown = false;
    OnceShown<QMessageBox>(
        [&](QMessageBox& box) { bShown = Eventually([&] { return !ShowsBoard(box.frameGeometry()); }); });
    DoubleClickNewestBar(frame);
    EXPECT_TRUE(bShown);
    EXPECT_EQ(frame.GetBoards().Count(), 6);
}

TEST_F(BoardDesktopTest, ANewBoardTakesTheKeyboardStaysOpenAndAnswersBesideTheSheet)
{
    CMainFrame& frame = StartWithBoards(1);
    ASSERT_EQ(frame.GetBoards().Count(), 1);
    CNorv2Board& board = *frame.GetBoards().At(0);
    ASSERT_TRUE(Eventually([&] { return QGuiApplication::focusWindow() == board.windowHandle(); }));
    QTest::keyClick(QGuiApplication::focusWindow(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(m_messages, std::vector<unsigned>{10005});

    board.showMinimized();
    EXPECT_TRUE(Eventually([&] { return board.windowHandle()->visibility() == QWindow::Windowed; }));

    // The sheet blocks the main window only.
    OnceShown<CNorvPrpSheet>([&](CNorvPrpSheet&) {
        // The window manager may still be giving the new sheet the keyboard, after the board
        // seemed to have it: the user clicks the board and copies again until it answers.
        // Asked again only now and then: requests at every poll keep the window manager
        // handing the focus back and forth.
        int nPolls = 0;
        EXPECT_TRUE(Eventually([&] {
            if (QGuiApplication::focusWindow() != board.windowHandle()) {
                if (nPolls++ % 20 == 0)
                    ActivateAsTheUser(board);
            } else {
                QTest::keyClick(board.windowHandle(), Qt::Key_C, Qt::ControlModifier);
            }
            return m_messages.size() >= 2;
        })) << "the board had the keys at the end: "
            << (QGuiApplication::focusWindow() == board.windowHandle());
        EXPECT_EQ(m_messages.size(), 2u);
    });
    frame.GetAction(ID_CHART_PROPERTY)->trigger();
}

TEST_F(BoardDesktopTest, ApplyKeepsTheSheetAboveTheBoardsItRePlaces)
{
    CMainFrame& frame = StartWithBoards(1);
    const QWidget& board = *frame.GetBoards().At(0);
    bool bAbove = false;
    OnceShown<CNorvPrpSheet>([&](CNorvPrpSheet& sheet) {
        sheet.GetBoardPage().findChild<QAbstractButton*>(CPrpPage::CtrlName(1031))->click();
        // On the chart page, whose swatches show none of the boards' colour.
        sheet.GetTabs()->setCurrentIndex(0);
        sheet.GetApplyButton()->click();
        // Moved over the board's new place: once the window manager did that, it has done
        // whatever Apply asked of it before.
        ASSERT_TRUE(
            Eventually([&] { return ServerFrameGeometry(board).topLeft() == board.frameGeometry().topLeft(); }));
        const QPoint from = ServerFrameGeometry(sheet).topLeft();
        sheet.move(board.frameGeometry().topLeft());
        const auto overlap = [&] { return ServerFrameGeometry(sheet).intersected(ServerFrameGeometry(board)); };
        ASSERT_TRUE(Eventually([&] { return ServerFrameGeometry(sheet).topLeft() != from && !overlap().isEmpty(); }))
            << from.x() << "," << from.y() << " -> " << ServerFrameGeometry(sheet).x() << ","
            << ServerFrameGeometry(sheet).y() << " board " << ServerFrameGeometry(board).x() << ","
            << ServerFrameGeometry(board).y();
        // The sheet may still have to paint what the move uncovered.
        bAbove = Eventually([&] { return !ShowsBoard(overlap()); });
    });
    frame.GetAction(ID_BOARD_PROPERTY)->trigger();
    EXPECT_TRUE(bAbove);
}
