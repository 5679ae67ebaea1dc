#include "gui/frame/SplashWin.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>
#include <map>

#include "gui/res/TitlePicture.h"

namespace {
// A window elsewhere in the program that counts the events it receives.
class CTarget : public QWidget
{
public:
    CTarget()
    {
        resize(200, 100);
        setMouseTracking(true); // so that moves without a button are delivered
        show();
    }
    std::map<QEvent::Type, int> m_counts;

protected:
    bool event(QEvent* e) override
    {
        ++m_counts[e->type()];
        return QWidget::event(e);
    }
};

class SplashWinTest : public ::testing::Test
{
protected:
    void TearDown() override
    {
        CSplashWin::HideSplash();
        CSplashWin::EnableSplash(false);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    static CSplashWin* Show()
    {
        CSplashWin::EnableSplash(true);
        CSplashWin::ShowSplash(nullptr);
        return CSplashWin::GetSplashWin();
    }
};
} // namespace

TEST_F(SplashWinTest, SuppressedSplashIsNeverShownAndConsumesNothing)
{
    CTarget target;
    CSplashWin::ShowSplash(&target);
    EXPECT_EQ(CSplashWin::GetSplashWin(), nullptr);
    EXPECT_TRUE(target.findChildren<CSplashWin*>().isEmpty());

    QKeyEvent key(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier);
    EXPECT_FALSE(CSplashWin::PreTranslateSplash(&key));
    QTest::keyClick(&target, Qt::Key_A);
    QTest::mouseClick(&target, Qt::LeftButton);
    EXPECT_EQ(target.m_counts[QEvent::KeyPress], 1);
    EXPECT_EQ(target.m_counts[QEvent::MouseButtonPress], 1);
}

TEST_F(SplashWinTest, OneFramelessPictureCentredOnTheScreen)
{
    CSplashWin* pSplash = Show();
    ASSERT_NE(pSplash, nullptr);
    EXPECT_TRUE(pSplash->isVisible());
    EXPECT_TRUE(pSplash->windowFlags().testFlag(Qt::FramelessWindowHint));
    const QImage picture = TitlePicture();
    EXPECT_EQ(pSplash->grab().toImage().convertToFormat(picture.format()), picture);
    const QPoint ptOff = pSplash->geometry().center() - QGuiApplication::primaryScreen()->availableGeometry().center();
    EXPECT_LE(ptOff.manhattanLength(), 2);

    CSplashWin::ShowSplash(nullptr); // already up: no second one
    EXPECT_EQ(CSplashWin::GetSplashWin(), pSplash);
}

TEST_F(SplashWinTest, AnyMouseButtonAnywhereTakesItDownAndIsSwallowed)
{
    CTarget target;
    for (Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
        SCOPED_TRACE(button);
        const QPointer<CSplashWin> pSplash = Show();
        QTest::mouseClick(&target, button);
        EXPECT_EQ(target.m_counts[QEvent::MouseButtonPress], 0);
        EXPECT_EQ(CSplashWin::GetSplashWin(), nullptr);
        EXPECT_TRUE(QTest::qWaitFor([&] { return pSplash.isNull(); }, 1000));
    }
    QTest::mouseClick(&target, Qt::LeftButton); // once it is down, presses arrive again
    EXPECT_EQ(target.m_counts[QEvent::MouseButtonPress], 1);

    QTest::mouseClick(Show(), Qt::LeftButton); // on the splash itself
    EXPECT_EQ(CSplashWin::GetSplashWin(), nullptr);
    Show();
    QMouseEvent frame(QEvent::NonClientAreaMouseButtonPress, QPointF(1, 1), QPointF(1, 1), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&target, &frame);
    EXPECT_EQ(target.m_counts[QEvent::NonClientAreaMouseButtonPress], 0);
    EXPECT_EQ(CSplashWin::GetSplashWin(), nullptr);
}

TEST_F(SplashWinTest, AKeyPressTakesItDownAndFiresNoShortcut)
{
    CTarget target;
    auto* pAction = new QAction(&target);
    pAction->setShortcut(QKeySequence(Qt::Key_F1));
    target.addAction(pAction);
    int nTriggered = 0;
    QObject::connect(pAction, &QAction::triggered, [&] { ++nTriggered; });

    Show();
    target.activateWindow(); // as the main window is when start-up shows it
    ASSERT_TRUE(QTest::qWaitForWindowActive(&target));
    QTest::keyClick(&target, Qt::Key_F1);
    EXPECT_EQ(nTriggered, 0);
    EXPECT_EQ(CSplashWin::GetSplashWin(), nullptr);
    QTest::keyClick(&target, Qt::Key_F1);
    EXPECT_EQ(nTriggered, 1);

    Show();
    const int nPresses = target.m_counts[QEvent::KeyPress];
    QTest::keyClick(&target, Qt::Key_A);
    EXPECT_EQ(target.m_counts[QEvent::KeyPress], nPresses);
    EXPECT_EQ(CSplashWin::GetSplashWin(), nullptr);
}

TEST_F(SplashWinTest, ReleasesAndMovesPassAndTheSplashStays)
{
    CTarget target;
    CSplashWin* pSplash = Show();
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_A, Qt::NoModifier);
    QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), QPointF(5, 5), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QMouseEvent up(QEvent::MouseButtonRelease, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton, Qt::NoButton,
                   Qt::NoModifier);
    for (QEvent* e : std::initializer_list<QEvent*>{&release, &move, &up}) {
        QApplication::sendEvent(&target, e);
        EXPECT_EQ(target.m_counts[e->type()], 1) << e->type();
    }
    EXPECT_EQ(CSplashWin::GetSplashWin(), pSplash);
    EXPECT_TRUE(pSplash->isVisible());
}

TEST_F(SplashWinTest, TheTimerTakesItDownAndANewOneMayFollow)
{
    const QPointer<CSplashWin> pSplash = Show();
    ASSERT_TRUE(pSplash);
    EXPECT_TRUE(QTest::qWaitFor([&] { return pSplash.isNull(); }, 10000));
    EXPECT_EQ(CSplashWin::GetSplashWin(), nullptr);
    EXPECT_NE(Show(), nullptr);
}
