#include "gui/app/OnScreen.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

#include "core/frame/ScreenFit.h"

namespace {
// A caption is about this high where the window manager has not said yet.
constexpr int kUsualCaption = 24;

std::vector<CRect> AvailableScreenRects()
{
    std::vector<CRect> screens;
    QList<QScreen*> all = QGuiApplication::screens();
    // The primary screen takes a window that lies on none.
    std::stable_partition(all.begin(), all.end(), [](QScreen* s) { return s == QGuiApplication::primaryScreen(); });
    for (const QScreen* screen : all) {
        const QRect r = screen->availableGeometry();
        screens.push_back({r.left(), r.top(), r.left() + r.width(), r.top() + r.height()});
    }
    return screens;
}
} // namespace

QPoint OnScreenPosition(const QWidget& window, QPoint pt, QSize sizeOuter)
{
    const int nFrameTop = FrameMargins(window).top();
    const int nCaption = nFrameTop > 0 ? nFrameTop : kUsualCaption;
    const CPoint fitted =
        BringOnScreen({pt.x(), pt.y()}, sizeOuter.width(), sizeOuter.height(), AvailableScreenRects(), nCaption);
    return {fitted.x, fitted.y};
}

QMargins FrameMargins(const QWidget& window)
{
    const QRect outer = window.frameGeometry(), inner = window.geometry();
    return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
            outer.bottom() - inner.bottom()};
}
