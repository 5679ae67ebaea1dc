#pragma once
#include <QColor>

#include "core/base/ColorRef.h"

// A stored colour (red in the low byte) as Qt paints it, and back.
inline QColor ToQColor(COLORREF cr)
{
    return QColor(static_cast<int>(GetRValue(cr)), static_cast<int>(GetGValue(cr)), static_cast<int>(GetBValue(cr)));
}

inline COLORREF ToColorRef(const QColor& color)
{
    return RGB(color.red(), color.green(), color.blue());
}
