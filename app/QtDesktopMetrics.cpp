#include "app/QtDesktopMetrics.h"

#include <QApplication>
#include <QScreen>

#include "app/FontConvert.h"

namespace {
// Without a screen (a report run with no display) the settings still need a size.
constexpr QSize kNoScreenSize(1024, 768);
constexpr int kNoScreenDpi = 96;
} // namespace

LOGFONT CQtDesktopMetrics::GetIconTitleFont() const
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    const int dpi = screen ? qRound(screen->logicalDotsPerInchY()) : kNoScreenDpi;
    return LogFontFromQFont(QApplication::font(), dpi);
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
