#include "core/chart/BarCursor.h"

#include <algorithm>

void CBarCursor::SetChart(const ChartGeometry& g, int nBars)
{
    m_g = g;
    m_nBars = std::max(0, nBars);
    if (m_nBars > 0)
        m_nBar = m_nBar < 0 ? m_nBars - 1 : std::min(m_nBar, m_nBars - 1);
}

int CBarCursor::BarsPerPage(int nClientWidth) const
{
    const int nPitch = m_g.nBarWidth + m_g.nSpace;
    return nPitch > 0 ? std::max(1, nClientWidth / nPitch) : 1;
}

bool CBarCursor::Move(BarKey key, int nClientWidth)
{
    if (m_nBars <= 0)
        return false;
    int nBar = m_nBar;
    switch (key) {
    case BarKey::Previous: --nBar; break;
    case BarKey::Next: ++nBar; break;
    case BarKey::Oldest: nBar = 0; break;
    case BarKey::Newest: nBar = m_nBars - 1; break;
    case BarKey::PagePrevious: nBar -= BarsPerPage(nClientWidth); break;
    case BarKey::PageNext: nBar += BarsPerPage(nClientWidth); break;
    }
    nBar = std::clamp(nBar, 0, m_nBars - 1);
    if (nBar == m_nBar)
        return false;
    m_nBar = nBar;
    return true;
}

int CBarCursor::ScrollToShow(int sx, int nClientWidth) const
{
    const int i = GetBar();
    if (i < 0)
        return sx;
    // The bar with the gaps on either side, so that the oldest and the newest bar take the
    // chart to its ends.
    const int nLeft = m_g.BarLeft(i) - m_g.nSpace;
    const int nRight = m_g.BarRight(i) + m_g.nSpace;
    if (nRight > sx + nClientWidth)
        sx = nRight - nClientWidth;
    if (nLeft < sx)
        sx = nLeft;
    return std::clamp(sx, 0, std::max(0, m_g.cx - nClientWidth));
}

CRect CBarCursor::BarRect(int i, int sx) const
{
    if (i < 0 || i >= m_nBars)
        return {};
    // Bars reach from 10 down to 5 above the axis: the frame stays clear of both lines.
    const int nMargin = std::clamp(m_g.nSpace / 2, 1, 3);
    return {m_g.BarLeft(i) - nMargin - sx, ChartGeometry::TopY() + 2, m_g.BarRight(i) + nMargin - sx, m_g.BaseY() - 2};
}
