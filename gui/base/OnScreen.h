#pragma once
#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

// Where the top-level window may go with its frame's top-left at pt and the given outer
// size so that its title bar can be grabbed on one of the current screens: pt itself
// whenever that is so.
QPoint OnScreenPosition(const QWidget& window, QPoint pt, QSize sizeOuter);

// The outer rectangle of the window held to the size of the screen it goes to and placed
// as OnScreenPosition places it.
QRect OnScreenRect(const QWidget& window, const QRect& rcOuter);

// The frame the window manager put around the window's client area (none before the
// window was first shown, or without a window manager).
QMargins FrameMargins(const QWidget& window);

// The frame the window has, or before it is first shown the one it will likely get: that
// of another framed window of the program, or a usual one.
QMargins ExpectedFrameMargins(const QWidget& window);
