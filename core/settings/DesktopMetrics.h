#pragma once
#include "core/settings/LogFont.h"

// What the settings' defaults take from the desktop.
class CDesktopMetrics
{
public:
    virtual ~CDesktopMetrics() = default;
    // The desktop's icon-title font (the application's default font).
    virtual LOGFONT GetIconTitleFont() const = 0;
    // Primary screen size in pixels.
    virtual int GetScreenWidth() const = 0;
    virtual int GetScreenHeight() const = 0;
};
