#pragma once
#include <QRect>

#include "core/base/Rect.h"

// A rectangle of the core (right and bottom exclusive) as Qt draws it.
inline QRect ToQRect(const CRect& rc)
{
    return QRect(rc.left, rc.top, rc.Width(), rc.Height());
}
