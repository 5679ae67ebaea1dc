#include "gui/chart/Norv2View.h"

#include <QAccessible>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>
#include <QWindow>
#include <cstdlib>
#include <ctime>
#include <gtest/gtest.h>

#include "core/chart/ChartGeometry.h"
#include "core/frame/GageInfo.h"
#include "core/record/PeriodData.h"
#include "core/settings/AppSetting.h"
#include "gui/base/AppSettings.h"
#include "gui/base/MessageBox.h"
#include "gui/record/Norv2Doc.h"
#include "tests/support/RecordLines.h"
#include "tests/support/TempDir.h"

namespace {
// Records what the view tells its main window.
struct CViewRecorder
{
    void Listen(CNorv2View& view)
    {
        QObject::connect(&view, &CNorv2View::chartLayoutRequested, [this] { layouts.push_back("chart"); });
        QObject::connect(&view, &CNorv2View::compactLayoutRequested, [this] { layouts.push_back("compact"); });
        QObject::connect(&view, &CNorv2View::titleChanged, [this](std::optional<Category> nCategory, Scale nScale) {
            titles.emplace_back(nCategory, nScale);
        });
        QObject::connect(&view, &CNorv2View::scaleChanged, [this](Scale nScale) { selections.push_back(nScale); });
        QObject::connect(&view, &CNorv2View::barStatusChanged,
                         [this](const QString& strText) { statusTexts.push_back(strText.toStdString()); });
        QObject::connect(&view, &CNorv2View::gageInfoChanged, [this](const GAGEINFO& info) {
            if (info.IsValid()) // a scale taken away is no rendering
                gages.push_back(info);
        });
        QObject::connect(&view, &CNorv2View::boardRequested,
                         [this](const BOARDDATA& data) { boards.push_back(std::make_unique<BOARDDATA>(data)); });
    }

    std::vector<std::string> layouts;
    using Title = std::pair<std::optional<Category>, Scale>;
    std::vector<Title> titles;
    std::vector<Scale> selections;
    std::vector<std::string> statusTexts;
    std::vector<GAGEINFO> gages; // one per rendering
    std::vector<std::unique_ptr<BOARDDATA>> boards;
};

class Norv2ViewTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        setenv("TZ", "Asia/Tokyo", 1);
        tzset();
        m_setting.m_ChartColor.fill({RGB(0, 0, 0), RGB(255, 255, 255), RGB(0, 0, 255), RGB(255, 0, 0)});
        LOGFONT lf;
        lf.lfHeight = -12;
        lf.SetFaceNameBytes("IPAGothic");
        m_setting.m_pChartFont = std::make_unique<LOGFONT>(lf);
        SetMessageBoxRecorder([this](const MessageBoxCall& call) {
            m_messages.push_back(call.nID);
            return IDOK;
        });
        m_window.resize(1600, 900);
        m_window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&m_window));
    }
    void TearDown() override
    {
        m_pView.reset();
        SetMessageBoxRecorder({});
    }

    // Opens a record file of these bytes and puts a fresh view of w x h into the window.
    CNorv2View& Open(const std::string& bytes, int w, int h)
    {
        const std::string path = m_dir.Write(kFile, bytes);
        EXPECT_TRUE(m_doc.OnOpenDocument(QString::fromStdString(path)));
        m_pView = std::make_unique<CNorv2View>(&m_doc, m_settings, &m_window);
        m_host.Listen(*m_pView);
        m_pView->setGeometry(0, 0, w, h);
        m_pView->show();
        m_pView->OnInitialUpdate();
        return *m_pView;
    }

    // Lets the scroll bar come or go and the view paint.
    void Settle()
    {
        for (int i = 0; i < 2; ++i) {
            QCoreApplication::processEvents();
            m_pView->viewport()->grab();
        }
    }

    // Geometry of the bars as drawn by the current view.
    ChartGeometry Bars() const
    {
        ChartGeometry g;
        g.nBarWidth = 13;
        CalcChartWidth(m_pView->GetBarCount(), 13, 8, m_pView->viewport()->width(), &g.cx, &g.nSpace);
        return g;
    }

    int ScrollX() const { return m_pView->horizontalScrollBar()->value(); }

    static constexpr const char* kFile = "u.ｷﾛｸ";
    CAppSettings m_settings;
    CAppSetting& m_setting = m_settings.Get();
    CTempDir m_dir;
    CNorv2Doc m_doc;
    CViewRecorder m_host;
    std::vector<unsigned> m_messages;
    QWidget m_window;
    std::unique_ptr<CNorv2View> m_pView;
};
} // namespace

TEST_F(Norv2ViewTest, ChoosingACategoryTwiceShowsThenHidesTheChart)
{
    CNorv2View& view = Open(Records(1, 20), 600, 300);
    EXPECT_TRUE(view.GetChartSize().isEmpty()); // no category after opening
    EXPECT_TRUE(m_host.gages.empty());

    view.OnCategory(Category::Alph);
    EXPECT_EQ(m_host.layouts, (std::vector<std::string>{"chart"}));
    EXPECT_EQ(m_host.titles, (std::vector<CViewRecorder::Title>{{Category::Alph, Scale::Daily}}));
    ASSERT_EQ(m_host.gages.size(), 1u);
    EXPECT_EQ(m_host.gages[0].nCategory, Category::Alph);
    EXPECT_EQ(view.GetBarCount(), 20);
    EXPECT_TRUE(view.IsCategoryChecked(Category::Alph));

    view.OnCategory(Category::Alph);
    EXPECT_EQ(m_host.layouts, (std::vector<std::string>{"chart", "compact"}));
    EXPECT_EQ(m_host.titles.back(), (CViewRecorder::Title{std::nullopt, Scale::Daily}));
    EXPECT_EQ(view.GetCategory(), std::nullopt);
    EXPECT_TRUE(view.GetChartSize().isEmpty());
    EXPECT_EQ(view.GetBarCount(), 0);
    EXPECT_FALSE(view.IsCategoryChecked(Category::Alph));
    EXPECT_EQ(m_host.gages.size(), 1u);
}

TEST_F(Norv2ViewTest, CategoriesWithoutRunsCannotBeChosen)
{
    CNorv2View& view = Open(RecordLine(kKanaMark, 2003, 5, 6, 120, 4) + "\r\n", 600, 300);
    EXPECT_FALSE(view.IsCategoryEnabled(Category::Alph));
    EXPECT_TRUE(view.IsCategoryEnabled(Category::Kana));
    EXPECT_FALSE(view.IsCategoryEnabled(Category::Roma));
    EXPECT_FALSE(view.IsCategoryEnabled(Category::Sybl));
    view.OnCategory(Category::Kana);
    EXPECT_TRUE(view.IsCategoryChecked(Category::Kana));
    EXPECT_FALSE(view.IsCategoryChecked(Category::Alph));
    EXPECT_EQ(view.GetBarCount(), 1);
}

TEST_F(Norv2ViewTest, ChoosingTheShownScaleAgainDoesNothing)
{
    CNorv2View& view = Open(Records(1, 60), 600, 300);
    view.OnCategory(Category::Alph);
    Settle();
    const std::size_t nRenders = m_host.gages.size();
    const std::size_t nTitles = m_host.titles.size();
    view.horizontalScrollBar()->setValue(0);

    view.OnScale(Scale::Daily);
    EXPECT_EQ(m_host.gages.size(), nRenders);
    EXPECT_EQ(m_host.titles.size(), nTitles);
    EXPECT_TRUE(m_host.selections.empty());
    EXPECT_EQ(ScrollX(), 0);

    view.OnScale(Scale::Weekly);
    EXPECT_EQ(m_host.selections, (std::vector<Scale>{Scale::Weekly}));
    EXPECT_EQ(m_host.gages.size(), nRenders + 1);
    EXPECT_EQ(m_host.titles.back(), (CViewRecorder::Title{Category::Alph, Scale::Weekly}));
    EXPECT_EQ(view.GetBarCount(), 10); // the weeks from 04-27 to 06-29
    EXPECT_TRUE(view.IsScaleChecked(Scale::Weekly));
    EXPECT_FALSE(view.IsScaleChecked(Scale::Daily));
}

TEST_F(Norv2ViewTest, ATallerWindowRendersAgainANarrowerOneScrolls)
{
    CNorv2View& view = Open(Records(1, 60), 600, 300);
    view.OnCategory(Category::Alph);
    Settle();
    ASSERT_EQ(view.GetChartSize(), QSize(1058, view.viewport()->height()));
    const std::size_t nRenders = m_host.gages.size();

    view.setGeometry(0, 0, 600, 400);
    Settle();
    EXPECT_EQ(m_host.gages.size(), nRenders + 1);
    EXPECT_EQ(view.GetChartSize().height(), view.viewport()->height());

    view.setGeometry(0, 0, 500, 400);
    Settle();
    EXPECT_EQ(m_host.gages.size(), nRenders + 1);
    EXPECT_EQ(view.GetChartSize().width(), 1058);
    EXPECT_EQ(view.horizontalScrollBar()->maximum(), 1058 - view.viewport()->width());

    // Wider than the chart: the bars spread over the window (and the scroll bar goes).
    view.setGeometry(0, 0, 1300, 400);
    Settle();
    EXPECT_GE(m_host.gages.size(), nRenders + 2);
    EXPECT_EQ(view.GetChartSize(), view.viewport()->size());
    EXPECT_EQ(view.horizontalScrollBar()->maximum(), 0);
}

TEST_F(Norv2ViewTest, ResizingLaysTheChartOutBeforeAnyPaint)
{
    CNorv2View& view = Open(Records(1, 60), 600, 300);
    view.OnCategory(Category::Alph);
    Settle();
    const std::size_t nRenders = m_host.gages.size();
    QSignalSpy cursors(&view, &CNorv2View::barCursorChanged);

    // The gauges have the new scale before anything is painted.
    view.setGeometry(0, 0, 600, 400);
    ASSERT_EQ(m_host.gages.size(), nRenders + 1);
    EXPECT_EQ(m_host.gages.back().sizeChart.cy, view.viewport()->height());
    EXPECT_EQ(view.GetChartSize().height(), view.viewport()->height());

    // Too low a window drops the chart; a taller one brings it back with its cursor.
    view.setGeometry(0, 0, 600, 40);
    EXPECT_EQ(view.GetBarCount(), 0);
    view.setGeometry(0, 0, 600, 300);
    EXPECT_EQ(view.GetBarCount(), 50);
    ASSERT_FALSE(cursors.isEmpty());
    EXPECT_EQ(cursors.last().at(0).toInt(), view.GetCursorBar());
}

TEST_F(Norv2ViewTest, PaintingCopiesTheChartAtTheScrollPosition)
{
    CNorv2View& view = Open(Records(1, 60), 600, 300);
    view.OnCategory(Category::Alph);
    Settle();
    const QSize client = view.viewport()->size();
    EXPECT_EQ(ScrollX(), 1058 - client.width()); // opened at the newest bar
    const ChartLayout chart = LayOutChart(m_doc.GetBook(), m_setting, Category::Alph, Scale::Daily, client);
    const QImage whole = RenderChartSpan(chart.picture, chart.style, {0, 1058}, 1);
    const auto shows = [&] {
        const QImage shown = view.viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
        return shown == whole.copy(ScrollX(), 0, client.width(), client.height());
    };
    EXPECT_TRUE(shows());
    // Only what shows and a margin is kept; a scroll within it copies without rendering.
    EXPECT_EQ(view.GetKeptSpan().width, client.width() + 2 * (client.width() / 4));
    const qint64 kept = view.GetKeptImage().cacheKey();
    EXPECT_TRUE(shows()); // a repaint at the newest bar, the kept span's right end
    EXPECT_EQ(view.GetKeptImage().cacheKey(), kept);
    for (int i = 0; i < 7; ++i) // a bar and a gap each, as the user scrolls
        view.horizontalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_EQ(ScrollX(), 1058 - client.width() - 7 * 21);
    EXPECT_TRUE(shows());
    EXPECT_EQ(view.GetKeptImage().cacheKey(), kept);
    for (const int sx : {0, 231, 10}) {
        view.horizontalScrollBar()->setValue(sx);
        EXPECT_TRUE(shows()) << sx;
    }
    EXPECT_NE(view.GetKeptImage().cacheKey(), kept);
}

TEST_F(Norv2ViewTest, MovingToAScreenOfAnotherRatioRendersAgain)
{
    const QList<QScreen*> screens = QGuiApplication::screens();
    ASSERT_EQ(screens.size(), 2);
    CNorv2View& view = Open(Records(1, 60), 600, 300);
    view.OnCategory(Category::Alph);
    Settle();
    EXPECT_EQ(view.GetKeptImage().devicePixelRatio(), 1);
    m_window.windowHandle()->setScreen(screens[1]);
    Settle();
    EXPECT_EQ(view.GetKeptImage().devicePixelRatio(), 2);
}

TEST_F(Norv2ViewTest, HoveringABarShowsItsFiguresAndAGapLeavesThem)
{
    CNorv2View& view = Open(Records(1, 20), 600, 300);
    view.OnCategory(Category::Alph);
    view.OnScale(Scale::Weekly);
    ASSERT_EQ(view.GetBarCount(), 4); // weeks from 04-27, 05-04, 05-11, 05-18
    const ChartGeometry g = Bars();
    ASSERT_EQ(view.GetChartSize().width(), g.cx);
    m_host.statusTexts.clear();

    QTest::mouseMove(view.viewport(), QPoint(g.BarLeft(2), 100));
    ASSERT_EQ(m_host.statusTexts.size(), 1u);
    EXPECT_TRUE(m_host.statusTexts[0].starts_with("[2003/5/11～5/17] 英 字   7回 最高:116(16)"))
        << m_host.statusTexts[0];

    QTest::mouseMove(view.viewport(), QPoint(g.BarLeft(2) - 1, 100));
    QTest::mouseMove(view.viewport(), QPoint(g.BarRight(3) + 5, 100));
    EXPECT_EQ(m_host.statusTexts.size(), 1u);

    QTest::mouseMove(view.viewport(), QPoint(g.BarRight(3) - 1, 50));
    ASSERT_EQ(m_host.statusTexts.size(), 2u);
    EXPECT_TRUE(m_host.statusTexts[1].starts_with("[2003/5/18～5/24] 英 字   3回")) << m_host.statusTexts[1];

    // In the compact layout the chart is not shown and the status text stays.
    view.hide();
    QMouseEvent move(QEvent::MouseMove, QPointF(g.BarLeft(2), 100),
                     view.viewport()->mapToGlobal(QPointF(g.BarLeft(2), 100)), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(view.viewport(), &move);
    EXPECT_EQ(m_host.statusTexts.size(), 2u);
}

TEST_F(Norv2ViewTest, ANewChartShowsTheFiguresUnderTheMouseOrNone)
{
    CNorv2View& view = Open(Records(1, 20), 600, 300);
    view.OnCategory(Category::Alph);
    view.OnScale(Scale::Weekly);
    QCursor::setPos(view.viewport()->mapToGlobal(QPoint(Bars().BarLeft(3), 100)));
    m_host.statusTexts.clear();
    m_dir.Write(kFile, Records(21, 1), true);
    m_doc.Refresh();
    ASSERT_FALSE(m_host.statusTexts.empty());
    EXPECT_TRUE(m_host.statusTexts.back().starts_with("[2003/5/18～5/24] 英 字   4回")) << m_host.statusTexts.back();

    QCursor::setPos(view.viewport()->mapToGlobal(QPoint(-5, 100)));
    view.OnScale(Scale::Monthly);
    EXPECT_EQ(m_host.statusTexts.back(), "");
}

TEST_F(Norv2ViewTest, TheVerticalWheelScrollsTheChartSideways)
{
    CNorv2View& view = Open(Records(1, 60), 600, 300);
    view.OnCategory(Category::Alph);
    Settle();
    const int sxNewest = ScrollX();
    const QPointF pt(100, 100);
    QWheelEvent wheel(pt, view.viewport()->mapToGlobal(pt), QPoint(), QPoint(0, 120), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(view.viewport(), &wheel);
    EXPECT_LT(ScrollX(), sxNewest);
}

TEST_F(Norv2ViewTest, DoubleClickingABarOpensItsBoard)
{
    CNorv2View& view = Open(Records(1, 20), 600, 300);
    view.OnCategory(Category::Alph);
    view.OnScale(Scale::Weekly);
    const ChartGeometry g = Bars();

    QTest::mouseDClick(view.viewport(), Qt::LeftButton, {}, QPoint(g.BarRight(3) + 5, 100));
    QTest::mouseDClick(view.viewport(), Qt::LeftButton, {}, QPoint(g.BarLeft(1) - 1, 100));
    EXPECT_TRUE(m_host.boards.empty());

    QTest::mouseDClick(view.viewport(), Qt::LeftButton, {}, QPoint(g.BarLeft(2) + 3, 100));
    ASSERT_EQ(m_host.boards.size(), 1u);
    const BOARDDATA& board = *m_host.boards[0];
    EXPECT_EQ(board.Date, CTime(2003, 5, 11, 0, 0, 0));
    EXPECT_EQ(board.nScale, Scale::Weekly);
    EXPECT_EQ(board.nTry[0], 7);
    EXPECT_EQ(board.nBest[0], 116);
}

TEST_F(Norv2ViewTest, KeysWalkTheBarsAsThePointerDoes)
{
    CNorv2View& view = Open(Records(1, 60), 600, 300);
    view.OnCategory(Category::Alph);
    Settle();
    m_window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&m_window));
    view.setFocus();
    ASSERT_EQ(view.GetCursorBar(), 49);
    m_host.statusTexts.clear();
    QSignalSpy menus(&view, &CNorv2View::contextMenuRequested);

    QTest::keyClick(&view, Qt::Key_Home);
    EXPECT_EQ(view.GetCursorBar(), 0);
    EXPECT_EQ(ScrollX(), 0);
    QTest::keyClick(&view, Qt::Key_Right);
    ASSERT_EQ(m_host.statusTexts.size(), 2u);
    EXPECT_TRUE(m_host.statusTexts[1].starts_with("[2003/5/12] 英 字")) << m_host.statusTexts[1];
    QTest::mouseMove(view.viewport(), QPoint(Bars().BarLeft(1), 100)); // the same bar by pointer
    ASSERT_EQ(m_host.statusTexts.size(), 3u);
    EXPECT_EQ(m_host.statusTexts[2], m_host.statusTexts[1]);

    // The accessible list: one item a bar, the focused one named as the status bar names it.
    QAccessibleInterface* pList = QAccessible::queryAccessibleInterface(&view);
    ASSERT_NE(pList, nullptr);
    EXPECT_EQ(pList->role(), QAccessible::List);
    EXPECT_EQ(pList->childCount(), 50);
    ASSERT_NE(pList->focusChild(), nullptr);
    EXPECT_EQ(pList->focusChild()->text(QAccessible::Name).toStdString(), m_host.statusTexts[1]);
    EXPECT_EQ(pList->indexOfChild(pList->focusChild()), 1);

    QTest::keyClick(&view, Qt::Key_Return);
    QTest::keyClick(&view, Qt::Key_Menu);
    ASSERT_EQ(m_host.boards.size(), 1u);
    EXPECT_EQ(m_host.boards[0]->Date, CTime(2003, 5, 12, 0, 0, 0));
    ASSERT_EQ(menus.count(), 1);
    EXPECT_TRUE(view.viewport()->rect().contains(view.viewport()->mapFromGlobal(menus.at(0).at(0).toPoint())));

    // A page on, the bar is scrolled into view; End goes to the newest, as a rebuild does.
    QTest::keyClick(&view, Qt::Key_PageDown);
    EXPECT_EQ(view.GetCursorBar(), 1 + view.viewport()->width() / 21);
    EXPECT_TRUE(view.viewport()->rect().contains(view.GetBarRect(view.GetCursorBar())));
    EXPECT_GT(ScrollX(), 0);
    QTest::keyClick(&view, Qt::Key_End);
    EXPECT_EQ(ScrollX(), view.horizontalScrollBar()->maximum());
    QTest::keyClick(&view, Qt::Key_Home);
    view.OnScale(Scale::Weekly);
    EXPECT_EQ(view.GetCursorBar(), 9);
    EXPECT_EQ(pList->childCount(), 10);
}

TEST_F(Norv2ViewTest, AppendedRunsRenderAgainAtTheNewestBar)
{
    CNorv2View& view = Open(Records(1, 60), 600, 300);
    view.OnCategory(Category::Alph);
    Settle();
    const std::size_t nRenders = m_host.gages.size();
    view.horizontalScrollBar()->setValue(0);

    m_dir.Write(kFile, Records(61, 1), true);
    m_doc.Refresh();
    EXPECT_EQ(m_host.gages.size(), nRenders + 1);
    EXPECT_EQ(view.GetBarCount(), 50);
    EXPECT_TRUE(view.GetBarStatusText(49).startsWith(QStringLiteral("[2003/6/30] ")))
        << view.GetBarStatusText(49).toStdString();
    EXPECT_TRUE(view.GetBarStatusText(0).startsWith(QStringLiteral("[2003/5/12] ")))
        << view.GetBarStatusText(0).toStdString();
    EXPECT_EQ(ScrollX(), view.horizontalScrollBar()->maximum());
    EXPECT_EQ(ScrollX(), 1058 - view.viewport()->width());
}

TEST_F(Norv2ViewTest, ABrokenFileResetsTheChart)
{
    CNorv2View& view = Open(Records(1, 60), 600, 300);
    view.OnCategory(Category::Alph);
    view.OnScale(Scale::Monthly);
    view.ResetChart();
    EXPECT_EQ(view.GetCategory(), std::nullopt);
    EXPECT_EQ(view.GetScale(), Scale::Daily);
    EXPECT_TRUE(view.GetChartSize().isEmpty());
    EXPECT_EQ(view.GetBarCount(), 0);
    QTest::mouseDClick(view.viewport(), Qt::LeftButton, {}, QPoint(20, 100));
    EXPECT_TRUE(m_host.boards.empty());
}

TEST_F(Norv2ViewTest, TheContextMenuIsLeftToTheFrame)
{
    CNorv2View& view = Open(Records(1, 3), 600, 300);
    QSignalSpy spy(&view, &CNorv2View::contextMenuRequested);
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(10, 20), QPoint(410, 320));
    QCoreApplication::sendEvent(view.viewport(), &event);
    ASSERT_EQ(spy.count(), 1);
    EXPECT_EQ(spy.at(0).at(0).toPoint(), QPoint(410, 320));
}

TEST_F(Norv2ViewTest, OpeningAnotherFileDropsTheChart)
{
    CNorv2View& view = Open(Records(1, 20), 600, 300);
    view.OnCategory(Category::Alph);
    ASSERT_EQ(view.GetBarCount(), 20);
    view.SetCategory(std::nullopt);
    ASSERT_TRUE(m_doc.OnOpenDocument(QString::fromStdString(m_dir.Write("v.ｷﾛｸ", Records(40, 5)))));
    view.OnInitialUpdate();
    EXPECT_EQ(view.GetCategory(), std::nullopt);
    EXPECT_TRUE(view.GetChartSize().isEmpty());
    QTest::mouseDClick(view.viewport(), Qt::LeftButton, {}, QPoint(Bars().BarLeft(0) + 1, 100));
    EXPECT_TRUE(m_host.boards.empty());
}
