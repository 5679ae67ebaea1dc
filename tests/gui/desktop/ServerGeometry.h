#pragma once
#include <QRect>

class QWidget;

// The outer rectangle of a top-level window, frame included, as the X server has it now:
// Qt reports a requested geometry before the window manager has acted on it.
QRect ServerFrameGeometry(const QWidget& window);

// Asks the window manager to activate the window as a pager or a click on it would, which
// it does whatever window it last gave the focus to (an application's own request it may
// refuse, to keep the focus where the user put it).
void ActivateAsTheUser(const QWidget& window);
