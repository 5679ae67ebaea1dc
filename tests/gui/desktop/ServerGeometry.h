#pragma once
#include <QRect>

class QWidget;

// The outer rectangle of a top-level window, frame included, as the X server has it now:
// Qt reports a requested geometry before the window manager has acted on it.
QRect ServerFrameGeometry(const QWidget& window);
