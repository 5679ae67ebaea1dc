#pragma once
#include "core/settings/DesktopMetrics.h"

// The desktop as the running QApplication sees it.
class CQtDesktopMetrics final : public CDesktopMetrics
{
public:
    LOGFONT GetIconTitleFont() const override;
    int GetScreenWidth() const override;
    int GetScreenHeight() const override;
};
