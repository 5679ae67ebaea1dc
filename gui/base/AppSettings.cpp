#include "gui/base/AppSettings.h"

namespace {
// Puts lf into a font of the settings, making one where there was none.
void StoreFont(std::unique_ptr<LOGFONT>& pFont, const LOGFONT& lf)
{
    if (pFont)
        *pFont = lf;
    else
        pFont = std::make_unique<LOGFONT>(lf);
}

// Sets a field of the chart or board settings and marks that part changed.
template <typename T> void Write(T& field, const T& value, bool& bPartChanged)
{
    field = value;
    bPartChanged = true;
}
} // namespace

CAppSettings::Edit::~Edit()
{
    // The chart first, so that boards are re-placed after the chart was redrawn.
    if (m_bChartChanged)
        emit m_settings.chartSettingsStored();
    if (m_bBoardChanged)
        emit m_settings.boardSettingsStored();
}

void CAppSettings::Edit::SetBarWidth(int nBarWidth)
{
    Write(m_setting.m_nBarWidth, nBarWidth, m_bChartChanged);
}

void CAppSettings::Edit::SetBarSpace(int nBarSpace)
{
    Write(m_setting.m_nBarSpace, nBarSpace, m_bChartChanged);
}

void CAppSettings::Edit::SetBarCount(int nBarCount)
{
    Write(m_setting.m_nBarCount, nBarCount, m_bChartChanged);
}

void CAppSettings::Edit::SetLineWidth(int nLineWidth)
{
    Write(m_setting.m_nLineWidth, nLineWidth, m_bChartChanged);
}

void CAppSettings::Edit::SetChartColors(const CHARTCOLOR& colors, Category nCategory)
{
    m_setting.SetChartColors(&colors, nCategory);
    m_bChartChanged = true;
}

void CAppSettings::Edit::SetGageColor(bool bGageColor)
{
    Write(m_setting.m_bGageColor, bGageColor, m_bChartChanged);
}

void CAppSettings::Edit::SetChartFont(const LOGFONT& lf)
{
    StoreFont(m_setting.m_pChartFont, lf);
    m_bChartChanged = true;
}

void CAppSettings::Edit::SetBoardFlag(int nBoardFlag)
{
    Write(m_setting.m_nBoardFlag, nBoardFlag, m_bBoardChanged);
}

void CAppSettings::Edit::SetRefStr(const std::string& strRefStr)
{
    Write(m_setting.m_strRefStr, strRefStr, m_bBoardChanged);
}

void CAppSettings::Edit::SetBoardFont(const LOGFONT& lf)
{
    StoreFont(m_setting.m_pBoardFont, lf);
    m_bBoardChanged = true;
}

void CAppSettings::Edit::SetBoardColors(const BOARDCOLOR& colors, Scale nScale)
{
    m_setting.SetBoardColors(&colors, nScale);
    m_bBoardChanged = true;
}

void CAppSettings::Edit::SetBoardPoint(int nSlot, CPoint pt)
{
    if (nSlot >= 0 && nSlot < static_cast<int>(m_setting.m_ptBoard.size()))
        m_setting.m_ptBoard[static_cast<std::size_t>(nSlot)] = pt;
}

void CAppSettings::Edit::SetWindowPos(const WINDOWPLACEMENT& placement)
{
    m_setting.m_pWindowPos = std::make_unique<WINDOWPLACEMENT>(placement);
}

void CAppSettings::Edit::SetZoomed(bool bZoomed)
{
    m_setting.m_bZoomed = bZoomed;
}

void CAppSettings::Edit::SetFramePoint(CPoint pt)
{
    m_setting.m_ptFrame = pt;
}

void CAppSettings::Edit::SetCalendarPoint(CPoint pt)
{
    m_setting.m_ptCalendar = pt;
}

void CAppSettings::Edit::SetCalendarCategory(int nCategory)
{
    m_setting.m_nCalendarCategory = nCategory;
}

void CAppSettings::Edit::SetUser(const std::string& strUserName, const std::string& strVeskDir)
{
    m_setting.m_strUserName = strUserName;
    m_setting.m_strVeskDir = strVeskDir;
}
