#pragma once
#include <QMargins>
#include <QPoint>
#include <QSize>

class QWidget;

// Where the top-level window may go with its frame's top-left at pt and the given outer
// size so that its title bar can be grabbed on one of the current screens: pt itself
// whenever that is so.
QPoint OnScreenPosition(const QWidget& window, QPoint pt, QSize sizeOuter);

// The frame the window manager put around the window's client area (none before the
// window was first shown, or without a window manager).
QMargins FrameMargins(const QWidget& window);
