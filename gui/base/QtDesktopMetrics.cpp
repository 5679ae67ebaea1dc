#include "gui/base/QtDesktopMetrics.h"

#include <QApplication>
#include <QScreen>

#include "gui/base/FontConvert.h"

namespace {
// Without a screen (a report run with no display) the settings still need a size.
constexpr QSize kNoScreenSize(1024, 768);
} // namespace

LOGFONT CQtDesktopMetrics::GetIconTitleFont() const
{
    return LogFontFromQFont(QApplication::font(), ScreenLogPixelsY());
}

int CQtDesktopMetrics::GetScreenWidth() const
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->size().width() : kNoScreenSize.width();
}

int CQtDesktopMetrics::GetScreenHeight() const
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->size().height() : kNoScreenSize.height();
}
