#pragma once
#include <QFile>
#include <QSettings>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

#include "gui/app/Norv2App.h"
#include "gui/base/MessageBox.h"
#include "gui/chart/Norv2View.h"
#include "gui/frame/MainFrame.h"
#include "tests/gui/desktop/ServerGeometry.h"
#include "tests/support/ShownWindow.h"

// The viewer started as a user starts it, on its own settings, with every message box
// recorded unless a test lets them show.
class DesktopTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        QFile::remove(SettingsFile());
        SetMessageBoxRecorder([this](const MessageBoxCall& call) {
            m_messages.push_back(call.nID);
            return IDOK;
        });
    }
    void TearDown() override
    {
        if (m_pApp)
            m_pApp->ExitInstance();
        m_pApp.reset();
        SetMessageBoxRecorder({});
    }

    static QString SettingsFile()
    {
        return qEnvironmentVariable("XDG_CONFIG_HOME") + QStringLiteral("/Norv/Norv2.conf");
    }
    static QString SampleFile() { return QStringLiteral(NORV2_SOURCE_DIR "/samples/たろう.ｷﾛｸ"); }
    // Settings the next start reads, as "Section/Key" and value.
    static void Store(const QString& strKey, const QVariant& value)
    {
        QSettings(SettingsFile(), QSettings::IniFormat).setValue(strKey, value);
    }

    // Starts the viewer on strFile and waits until its strip is the active window.
    CMainFrame& Start(const QString& strFile)
    {
        m_pApp = std::make_unique<CNorv2App>();
        EXPECT_TRUE(m_pApp->InitInstance({QStringLiteral("Norv2"), QStringLiteral("--no-splash"), strFile}));
        CMainFrame& frame = *m_pApp->GetMainFrame();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&frame, kPatienceMs));
        return frame;
    }

    // The program has heard from the window manager where its window is and how large.
    static bool KnowsItsPlace(const QWidget& window);
    // The chart layout is up, active and drawn where the window manager put it: a user can
    // aim at its bars.
    static bool ChartShown(const CMainFrame& frame)
    {
        return !frame.IsCompact() && frame.isActiveWindow() && KnowsItsPlace(frame) &&
               frame.GetView()->GetBarCount() > 0;
    }

    // Waits for the window manager and the program to agree; on a busy machine that may take
    // some seconds, and only a fault takes longer.
    static bool Eventually(const std::function<bool()>& condition) { return QTest::qWaitFor(condition, kPatienceMs); }
    static constexpr int kPatienceMs = 20000;

    // Runs check on the window of type T as soon as the window manager shows it, from
    // inside whatever modal loop shows it; the window is closed afterwards (rejected, for a
    // dialog). Call before the action that opens it.
    template <typename T> void OnceShown(const std::function<void(T&)>& check)
    {
        auto* pTimer = new QTimer(&m_watch);
        pTimer->setInterval(20);
        QObject::connect(pTimer, &QTimer::timeout, pTimer, [pTimer, check, nTicks = 0]() mutable {
            T* pWindow = ShownWindow<T>();
            const bool bShown = pWindow && pWindow->windowHandle() && pWindow->windowHandle()->isExposed();
            if (!bShown && ++nTicks < kPatienceMs / 20)
                return;
            pTimer->deleteLater();
            pTimer->stop();
            ASSERT_TRUE(bShown) << "not shown in time";
            check(*pWindow);
            if (pWindow->isVisible())
                pWindow->close();
        });
        pTimer->start();
    }

    // A point of the view over bar i counted from the newest (0), as the user sees it now.
    static QPoint BarPoint(const CNorv2View& view, int iFromNewest);

    QObject m_watch; // owns the timers of OnceShown
    std::unique_ptr<CNorv2App> m_pApp;
    std::vector<unsigned> m_messages;
};

inline bool DesktopTest::KnowsItsPlace(const QWidget& window)
{
    return window.frameGeometry() == ServerFrameGeometry(window);
}

inline QPoint DesktopTest::BarPoint(const CNorv2View& view, int iFromNewest)
{
    const int y = view.viewport()->height() / 2;
    int nSeen = 0;
    int iLast = -1;
    for (int x = view.viewport()->width() - 1; x >= 0; --x) {
        const int i = view.BarAt({x, y});
        if (i < 0 || i == iLast)
            continue;
        iLast = i;
        if (nSeen++ == iFromNewest)
            return {x - 1, y};
    }
    return {-1, -1};
}

// Readable texts in failure messages.
inline void PrintTo(const QString& str, std::ostream* pOut)
{
    *pOut << '"' << str.toStdString() << '"';
}
