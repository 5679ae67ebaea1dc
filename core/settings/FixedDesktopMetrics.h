#pragma once
#include "core/settings/DesktopMetrics.h"

// A desktop given by value: for runs without a display, and for tests.
class CFixedDesktopMetrics final : public CDesktopMetrics
{
public:
    CFixedDesktopMetrics(const LOGFONT& font, int nScreenWidth, int nScreenHeight)
        : m_font(font), m_nWidth(nScreenWidth), m_nHeight(nScreenHeight)
    {
    }
    LOGFONT GetIconTitleFont() const override { return m_font; }
    int GetScreenWidth() const override { return m_nWidth; }
    int GetScreenHeight() const override { return m_nHeight; }

private:
    LOGFONT m_font;
    int m_nWidth;
    int m_nHeight;
};
