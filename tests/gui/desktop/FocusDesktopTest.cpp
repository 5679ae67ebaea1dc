#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QRadioButton>
#include <QScreen>
#include <QTabWidget>

#include "core/record/PeriodData.h"
#include "core/settings/AppSetting.h"
#include "gui/base/AppSettings.h"
#include "gui/base/ColorConvert.h"
#include "gui/board/Norv2Board.h"
#include "gui/frame/ScaleCombo.h"
#include "gui/frame/UserCombo.h"
#include "gui/prop/BoardPrp.h"
#include "gui/prop/ChartPrp.h"
#include "gui/prop/NorvPrpSheet.h"
#include "gui/record/Norv2Doc.h"
#include "gui/record/RecordSession.h"
#include "tests/gui/desktop/DesktopFixture.h"
#include "tests/support/AccessibleEvents.h"
#include "tests/support/RecordLines.h"
#include "tests/support/TempDir.h"

namespace {
bool HasKeys(const QWidget& widget)
{
    return QApplication::focusWidget() == &widget && QGuiApplication::focusWindow() == widget.window()->windowHandle();
}

// Whether the screen shows the bar cursor's top edge in the axis colour.
bool Framed(const CNorv2View& view, QRgb axis)
{
    const QRect r = view.GetBarRect(view.GetCursorBar());
    const QPoint at = view.viewport()->mapToGlobal(r.topLeft());
    const QImage shot = QGuiApplication::primaryScreen()->grabWindow(0, at.x(), at.y(), r.width(), 1).toImage();
    for (int x = 0; x < shot.width(); ++x)
        if (QColor(shot.pixel(x, 0)).rgb() != axis)
            return false;
    return !shot.isNull();
}
} // namespace

TEST_F(DesktopTest, TheKeysGoToTheStripsWindowAndToTheChartFramingItsBarOnlyThen)
{
    CMainFrame& frame = Start(SampleFile());
    ASSERT_TRUE(Eventually([&] { return HasKeys(frame); }));
    QTest::keyClick(frame.windowHandle(), Qt::Key_End); // meant for the chart: no other user
    EXPECT_EQ(m_pApp->GetDocument()->GetPathName(), SampleFile());

    CNorv2View& view = *frame.GetView();
    const QRgb axis = ToQColor(m_pApp->GetSettings().Get().GetChartColor(Category::Alph, CLR_AXIS)).rgb();
    frame.GetUserCombo()->setFocus();
    frame.GetAction(ID_CATEGORY_ALPH)->trigger();
    EXPECT_TRUE(Eventually([&] { return HasKeys(view) && Framed(view, axis); }));
    QTest::keyClick(frame.windowHandle(), Qt::Key_Tab);
    EXPECT_TRUE(Eventually([&] { return HasKeys(*frame.GetUserCombo()) && !Framed(view, axis); }));
}

TEST_F(DesktopTest, AfterTheKeyboardOpenDialogTheKeysAreOnTheMainWindow)
{
    CTempDir dir;
    dir.Write("a.ｷﾛｸ", Records(1, 3));
    dir.Write("b.ｷﾛｸ", Records(1, 3));
    CMainFrame& frame = Start(QString::fromStdString(dir.File("a.ｷﾛｸ")));
    for (const char* user : {"b", "a"}) {
        frame.GetAction(ID_CATEGORY_ALPH)->trigger(); // the chart goes as the file is opened
        OnceShown<QFileDialog>([&](QFileDialog& dialog) {
            QLineEdit* pName = nullptr;
            ASSERT_TRUE(Eventually([&] { return (pName = qobject_cast<QLineEdit*>(QApplication::focusWidget())); }));
            pName->setText(QString::fromStdString(dir.File(std::string(user) + ".ｷﾛｸ"))); // QTest types ASCII only
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
    OnceShown<CNorvPrpSheet>([&](CNorvPrpSheet& sheet) {
        auto* pWeekly = sheet.GetBoardPage().findChild<QRadioButton*>(CPrpPage::CtrlName(1043));
        pWeekly->click();
        sheet.GetBoardPage().findChild<QWidget*>(CPrpPage::CtrlName(1027))->setFocus(); // the box after the group
        ASSERT_TRUE(Eventually([&] { return QGuiApplication::focusWindow() == sheet.windowHandle(); }));
        QTest::keyClick(sheet.windowHandle(), Qt::Key_Tab, Qt::ShiftModifier);
        EXPECT_TRUE(Eventually([&] { return QApplication::focusWidget() == pWeekly; }));
        QTest::keyClick(sheet.windowHandle(), Qt::Key_Tab, Qt::ControlModifier);
        const QWidget* pKana = sheet.GetChartPage().findChild<QRadioButton*>(CPrpPage::CtrlName(7011));
        EXPECT_TRUE(Eventually([&] { return pKana && QApplication::focusWidget() == pKana; }));
    });
    frame.GetAction(ID_BOARD_PROPERTY)->trigger();
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

TEST_F(ReaderDesktopTest, SelectorsAreReadByPurposeAndTheChartByItsCursorsBar)
{
    CMainFrame& frame = Start(SampleFile());
    CUserCombo& users = *frame.GetUserCombo();
    QAccessibleInterface* pUsers = QAccessible::queryAccessibleInterface(&users);
    EXPECT_EQ(pUsers->text(QAccessible::Name), QStringLiteral("ユーザ名"));
    // A screen reader reads a combo box's value from its text.
    EXPECT_EQ(pUsers->textInterface()->text(0, 3), QStringLiteral("たろう"));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(frame.GetScaleCombo())->text(QAccessible::Name),
              QStringLiteral("表示スケール"));
    m_log.events.clear();
    users.FillUserList();
    EXPECT_EQ(m_log.Count(&users, QAccessible::ValueChanged) + m_log.Count(&users, QAccessible::NameChanged), 1);

    CNorv2View& view = *frame.GetView();
    frame.GetAction(ID_CATEGORY_ALPH)->trigger();
    users.setFocus();
    ASSERT_TRUE(Eventually([&] { return HasKeys(users); }));
    QTest::keyClick(frame.windowHandle(), Qt::Key_Tab, Qt::ShiftModifier);
    const auto lastFocus = [&] {
        return *std::find_if(m_log.events.rbegin(), m_log.events.rend(),
                             [](auto& e) { return e.type == QAccessible::Focus; });
    };
    EXPECT_TRUE(Eventually([&] { return HasKeys(view) && lastFocus().pObject == &view && lastFocus().nChild >= 0; }))
        << "last focus: " << lastFocus().pszClass << " " << lastFocus().nChild;
}

TEST_F(ReaderDesktopTest, ColourButtonsNumberFieldsLoadingAndBoardsSayWhatTheyShow)
{
    CMainFrame& frame = Start(SampleFile());
    ASSERT_EQ(m_pApp->GetSession().OpenNamed(SampleFile()),
              OpenOutcome::Opened); // loaded again with the window on screen
    EXPECT_EQ(m_log.Count(nullptr, QAccessible::ValueChanged, "QProgressBar"), 0);
    OnceShown<CNorvPrpSheet>([&](CNorvPrpSheet& sheet) {
        auto* pAlph = sheet.GetBoardPage().findChild<CColorBtn*>(CPrpPage::CtrlName(1088));
        EXPECT_EQ(QAccessible::queryAccessibleInterface(pAlph)->text(QAccessible::Name), QStringLiteral("英字"));
        m_log.events.clear();
        pAlph->SetColor(RGB(255, 0, 0));
        EXPECT_EQ(m_log.Count(pAlph, QAccessible::DescriptionChanged), 1);

        sheet.GetTabs()->setCurrentIndex(0);
        auto* pWidth = sheet.GetChartPage().findChild<CDigitSpin*>(CPrpPage::CtrlName(7002));
        QAccessibleValueInterface* pValue = QAccessible::queryAccessibleInterface(pWidth)->valueInterface();
        m_log.events.clear();
        pWidth->Edit()->setText(QStringLiteral("12"));
        pWidth->stepBy(1);
        EXPECT_EQ(QStringList({pValue->currentValue().toString(), pValue->minimumValue().toString(),
                               pValue->maximumValue().toString()}),
                  QStringList({"13", "3", "30"}));
        EXPECT_EQ(m_log.Count(pWidth, QAccessible::ValueChanged), 2);
    });
    frame.GetAction(ID_BOARD_PROPERTY)->trigger();

    frame.GetAction(ID_CATEGORY_ALPH)->trigger();
    QTest::mouseDClick(frame.GetView()->viewport(), Qt::LeftButton, {}, BarPoint(*frame.GetView(), 0));
    ASSERT_EQ(frame.GetBoards().Count(), 1);
    CNorv2Board& board = *frame.GetBoards().At(0);
    auto pData = std::make_unique<BOARDDATA>(board.GetData());
    ++pData->nTry[0];
    board.ReplaceData(std::move(pData)); // as a refresh recomputes it
    EXPECT_EQ(m_log.Count(&board, QAccessible::TextUpdated), 1);
}
