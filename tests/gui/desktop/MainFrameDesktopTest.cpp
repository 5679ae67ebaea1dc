#include <QAction>
#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QListView>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollBar>
#include <QTimer>

#include "core/settings/AppSetting.h"
#include "core/settings/WindowPlacement.h"
#include "gui/base/AppSettings.h"
#include "gui/board/Norv2Board.h"
#include "gui/frame/UserCombo.h"
#include "gui/record/Norv2Doc.h"
#include "tests/gui/desktop/DesktopFixture.h"
#include "tests/gui/desktop/ServerGeometry.h"
#include "tests/support/RecordLines.h"
#include "tests/support/TempDir.h"

namespace {
QRect Screen()
{
    return QGuiApplication::primaryScreen()->availableGeometry();
}

// The outer rectangle a window was given: a window manager adds a resize handle under a
// resizable window once it is framed, which the program cannot know before.
bool PlacedAt(const QWidget& window, const QRect& rcOuter)
{
    const QRect real = ServerFrameGeometry(window);
    return real.topLeft() == rcOuter.topLeft() && real.width() == rcOuter.width() &&
           real.height() >= rcOuter.height() && real.height() <= rcOuter.height() + 8;
}

// The title bar lies on the screen, where the user can grab it.
bool TitleBarOnScreen(const QWidget& window)
{
    const QRect outer = ServerFrameGeometry(window);
    const QRect caption(outer.topLeft(), QSize(outer.width(), window.geometry().top() - window.frameGeometry().top()));
    return caption.height() > 0 && Screen().intersects(caption) && caption.top() >= Screen().top();
}

// The whole window with its frame lies on the screen.
bool WholeOnScreen(const QWidget& window)
{
    return Screen().contains(ServerFrameGeometry(window));
}
} // namespace

TEST_F(DesktopTest, TheFirstChartOpensWithItsFrameOnScreenAtTheNewestBar)
{
    CMainFrame& frame = Start(SampleFile());
    frame.GetAction(ID_CATEGORY_ALPH)->trigger();
    // The default placement is the outer window: two thirds of the screen from its corner.
    const QSize outer(QGuiApplication::primaryScreen()->size() * 2 / 3);
    EXPECT_TRUE(Eventually([&] { return PlacedAt(frame, QRect(QPoint(0, 0), outer)); }));
    const QScrollBar* pBar = frame.GetView()->horizontalScrollBar();
    EXPECT_TRUE(Eventually([&] { return pBar->maximum() > 0 && pBar->value() == pBar->maximum(); }));

    // What is stored is the window as it is, with the chart window's own frame.
    ASSERT_TRUE(Eventually([&] { return KnowsItsPlace(frame); }));
    const QRect shown = ServerFrameGeometry(frame);
    frame.GetAction(ID_CATEGORY_ALPH)->trigger();
    const WINDOWPLACEMENT& wp = *m_pApp->GetSettings().Get().m_pWindowPos;
    EXPECT_EQ(QRect(wp.left, wp.top, wp.right - wp.left, wp.bottom - wp.top), shown);
}

TEST_F(DesktopTest, PlacesStoredFarOffTheScreenComeBack)
{
    WINDOWPLACEMENT wp;
    wp.left = -5000;
    wp.top = -5000;
    wp.right = -4000;
    wp.bottom = -4300;
    const auto bytes = wp.ToBytes();
    Store(QStringLiteral("Frame/WindowPos"), QByteArray(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
    Store(QStringLiteral("Frame/Point"), QStringLiteral("-3000:90000"));
    Store(QStringLiteral("Board/Point"), QStringLiteral("9000:-9000:0:0:0:0:0:0:0:0:0:0"));
    CMainFrame& frame = Start(SampleFile());
    EXPECT_TRUE(Eventually([&] { return WholeOnScreen(frame); }));

    frame.GetAction(ID_CATEGORY_ALPH)->trigger();
    // The bar is aimed at once the program knows where the window manager put the window.
    EXPECT_TRUE(Eventually(
        [&] { return ServerFrameGeometry(frame).width() == 1000 && TitleBarOnScreen(frame) && ChartShown(frame); }));

    CNorv2View& view = *frame.GetView();
    QTest::mouseDClick(view.viewport(), Qt::LeftButton, {}, BarPoint(view, 0));
    ASSERT_EQ(frame.GetBoards().Count(), 1);
    const QWidget& board = *frame.GetBoards().At(0);
    EXPECT_TRUE(Eventually([&] { return WholeOnScreen(board); }));
}

TEST_F(DesktopTest, TheStripComesBackToItsPlaceFromAMaximizedChart)
{
    Store(QStringLiteral("Frame/Point"), QStringLiteral("100:120"));
    CMainFrame& frame = Start(SampleFile());
    // A user acts once the program has heard from the window manager.
    const auto stripAtItsPlace = [&] {
        return ServerFrameGeometry(frame).topLeft() == QPoint(100, 120) && frame.pos() == QPoint(100, 120);
    };
    EXPECT_TRUE(Eventually(stripAtItsPlace));
    for (int i = 0; i < 2; ++i) {
        frame.GetAction(ID_CATEGORY_ALPH)->trigger();
        frame.showMaximized();
        EXPECT_TRUE(Eventually([&] { return frame.isMaximized() && ServerFrameGeometry(frame).width() > 800; }));
        frame.GetAction(ID_CATEGORY_ALPH)->trigger();
        EXPECT_TRUE(Eventually([&] { return stripAtItsPlace() && frame.width() == 400; }))
            << "strip at " << ServerFrameGeometry(frame).x() << "," << ServerFrameGeometry(frame).y();
    }
}

TEST_F(DesktopTest, TheOpenDialogListsTheRecordFilesOfTheRecordFolder)
{
    CTempDir dir;
    for (const char* user : {"h", "g", "f", "e", "d", "c", "b", "a"})
        dir.Write(std::string(user) + ".ｷﾛｸ", Records(1, 3));
    dir.Write("notes.txt", "not a record file");
    dir.Write("a.ｷﾛｸ.bak", Records(1, 3));
    CMainFrame& frame = Start(QString::fromStdString(dir.File("a.ｷﾛｸ")));

    QStringList listed, figures;
    QString strFolder, strFilter;
    OnceShown<QFileDialog>([&](QFileDialog& dialog) {
        auto* pList = dialog.findChild<QListView*>(QStringLiteral("listView"));
        const auto rows = [pList] { return pList->model()->rowCount(pList->rootIndex()); };
        ASSERT_TRUE(Eventually([&] { return rows() == 8; }));
        QModelIndex c;
        for (int row = 0; row < rows(); ++row) {
            const QModelIndex index = pList->model()->index(row, 0, pList->rootIndex());
            listed << index.data().toString();
            if (index.data().toString() == QStringLiteral("c.ｷﾛｸ"))
                c = index;
        }
        // Size and date as the rest of the program shows them, whatever the system's locale.
        for (const int nColumn : {1, 3})
            figures << c.siblingAtColumn(nColumn).data().toString();
        strFolder = dialog.directory().path();
        strFilter = dialog.selectedNameFilter();
        QTest::mouseClick(pList->viewport(), Qt::LeftButton, {}, pList->visualRect(c).center());
        QPushButton* pOpen = dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Open);
        ASSERT_TRUE(Eventually([&] { return pOpen->isEnabled(); }));
        pOpen->click();
    });
    QTest::keyClick(frame.windowHandle(), Qt::Key_O, Qt::ControlModifier);
    listed.sort();
    EXPECT_EQ(listed.join(u' '), QStringLiteral("a.ｷﾛｸ b.ｷﾛｸ c.ｷﾛｸ d.ｷﾛｸ e.ｷﾛｸ f.ｷﾛｸ g.ｷﾛｸ h.ｷﾛｸ"));
    EXPECT_FALSE(figures.join(u' ').contains(QRegularExpression(QStringLiteral("[A-Za-z]"))))
        << figures.join(u'|').toStdString();
    EXPECT_EQ(strFolder, QString::fromStdString(dir.File("")).chopped(1));
    EXPECT_EQ(strFilter, QStringLiteral("Vesk記録ファイル(*.ｷﾛｸ)"));
    EXPECT_EQ(m_pApp->GetDocument()->GetPathName(), QString::fromStdString(dir.File("c.ｷﾛｸ")));
    EXPECT_EQ(frame.GetUserCombo()->currentText(), QStringLiteral("c"));
}
