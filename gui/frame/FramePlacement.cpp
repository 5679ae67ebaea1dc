#include "gui/frame/FramePlacement.h"

#include <QWidget>

#include "core/frame/ScreenFit.h"
#include "core/settings/AppSetting.h"
#include "gui/base/AppSettings.h"
#include "gui/base/OnScreen.h"
#include "gui/base/RectConvert.h"

CFramePlacement::CFramePlacement(QWidget& window, CAppSettings& settings) : m_Window(window), m_settings(settings) {}

void CFramePlacement::StoreChart()
{
    // The settings keep the outer window with the chart window's own frame, which may differ
    // from the strip's (a resizable window gets a resize handle); the next placement sizes
    // the client by the same frame, so that the stored size does not grow at every switch.
    if (const QMargins frame = FrameMargins(m_Window); !frame.isNull() && !m_Window.isMaximized())
        m_ChartFrame = frame;
    const QRect r = m_Window.normalGeometry().marginsAdded(m_ChartFrame);
    const CAppSetting& setting = m_settings.Get();
    WINDOWPLACEMENT wp = setting.m_pWindowPos ? *setting.m_pWindowPos : WINDOWPLACEMENT{};
    wp.showCmd = WINDOWPLACEMENT::SW_SHOWNORMAL;
    wp.left = r.left();
    wp.top = r.top();
    wp.right = r.left() + r.width();
    wp.bottom = r.top() + r.height();
    CAppSettings::Edit(m_settings).SetWindowPos(wp);
}

void CFramePlacement::ApplyChart()
{
    const CAppSetting& setting = m_settings.Get();
    if (setting.m_pWindowPos) {
        // The stored rectangle is the outer window: Qt places a window by its frame and
        // sizes it by its client area.
        const QRect rc = OnScreenRect(m_Window, ToQRect(ChartWindowRect(*setting.m_pWindowPos)));
        // Before the chart window was first framed, the strip's frame is the best guess.
        if (m_ChartFrame.isNull())
            m_ChartFrame = FrameMargins(m_Window);
        m_Window.move(rc.topLeft());
        m_Window.resize(rc.size().shrunkBy(m_ChartFrame).expandedTo(QSize(1, 1)));
    }
    if (setting.m_bZoomed)
        m_Window.showMaximized();
    else
        m_Window.showNormal();
}

void CFramePlacement::LeaveStrip()
{
    CAppSettings::Edit(m_settings).SetFramePoint({m_Window.pos().x(), m_Window.pos().y()});
    m_StripFrame = FrameMargins(m_Window);
}

void CFramePlacement::PlaceStrip()
{
    const CPoint& ptStored = m_settings.Get().m_ptFrame;
    const QPoint ptFrame(ptStored.x, ptStored.y);
    const QPoint pt = OnScreenPosition(
        m_Window, ptFrame,
        m_Window.size().grownBy(m_StripFrame.isNull() ? ExpectedFrameMargins(m_Window) : m_StripFrame));
    // Qt places a window by its frame with the margins it last knew, which after maximizing
    // are those of the maximized window; the strip's own frame is known once it was shown.
    if (m_StripFrame.isNull())
        m_Window.move(pt);
    else
        m_Window.setGeometry(QRect(pt + QPoint(m_StripFrame.left(), m_StripFrame.top()), m_Window.size()));
}
