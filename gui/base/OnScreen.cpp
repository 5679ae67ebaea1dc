#include "gui/base/OnScreen.h"

#include <QApplication>
#include <QScreen>
#include <QWidget>

#include "core/frame/ScreenFit.h"
#include "gui/base/RectConvert.h"

namespace {
// A frame as window managers usually draw one, where none has been seen yet.
constexpr QMargins kUsualFrame(4, 24, 4, 4);

struct Screens
{
    std::vector<CRect> rects; // available areas
    std::size_t nPrimary = 0;
};

Screens AvailableScreens()
{
    Screens screens;
    const QList<QScreen*> all = QGuiApplication::screens();
    for (const QScreen* screen : all) {
        if (screen == QGuiApplication::primaryScreen())
            screens.nPrimary = screens.rects.size();
        const QRect r = screen->availableGeometry();
        screens.rects.push_back({r.left(), r.top(), r.left() + r.width(), r.top() + r.height()});
    }
    return screens;
}
} // namespace

QPoint OnScreenPosition(const QWidget& window, QPoint pt, QSize sizeOuter)
{
    const Screens screens = AvailableScreens();
    const CPoint fitted = BringOnScreen({pt.x(), pt.y()}, sizeOuter.width(), sizeOuter.height(), screens.rects,
                                        screens.nPrimary, ExpectedFrameMargins(window).top());
    return {fitted.x, fitted.y};
}

QRect OnScreenRect(const QWidget& window, const QRect& rcOuter)
{
    const Screens screens = AvailableScreens();
    const CRect fitted =
        FitOnScreen({rcOuter.left(), rcOuter.top(), rcOuter.left() + rcOuter.width(), rcOuter.top() + rcOuter.height()},
                    screens.rects, screens.nPrimary, ExpectedFrameMargins(window).top());
    return ToQRect(fitted);
}

QMargins FrameMargins(const QWidget& window)
{
    const QRect outer = window.frameGeometry(), inner = window.geometry();
    return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
            outer.bottom() - inner.bottom()};
}

QMargins ExpectedFrameMargins(const QWidget& window)
{
    if (const QMargins own = FrameMargins(window); !own.isNull())
        return own;
    // A window manager frames the windows of a program alike.
    for (const QWidget* pOther : QApplication::topLevelWidgets())
        if (pOther != &window && pOther->isVisible() && !pOther->isMaximized() && !FrameMargins(*pOther).isNull())
            return FrameMargins(*pOther);
    return kUsualFrame;
}
