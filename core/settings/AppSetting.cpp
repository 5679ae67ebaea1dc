#include "core/settings/AppSetting.h"

#include <algorithm>
#include <span>
#include <vector>

#include "core/settings/DesktopMetrics.h"
#include "core/settings/ProfileStore.h"
#include "core/settings/SettingTable.h"
#include "core/settings/SettingText.h"

namespace {
constexpr CHARTCOLOR kChartFallback = {0, 0xFFFFFF, 0x800000, 0xFF};
constexpr BOARDCOLOR kBoardFallback = {0xFFFFFF, 0, 0, 0, 0, 0, 0x808080};

// The members of the colour records in role order.
constexpr std::array kChartRoles = {&CHARTCOLOR::crAxis, &CHARTCOLOR::crBack, &CHARTCOLOR::crBar, &CHARTCOLOR::crLine};
constexpr std::array kBoardRoles = {&BOARDCOLOR::crBack, &BOARDCOLOR::crLabel, &BOARDCOLOR::crAlph, &BOARDCOLOR::crKana,
                                    &BOARDCOLOR::crRoma, &BOARDCOLOR::crSybl,  &BOARDCOLOR::crRule};

template <typename Colors, std::size_t N>
Colors ReadColors(CProfileStore& store, SettingKey key, const char* defaultText, const Colors& fallback,
                  const std::array<COLORREF Colors::*, N>& roles)
{
    Colors colors = fallback;
    if (const auto values = ParseHexList(store.GetProfileString(key.pszSection, key.pszEntry, defaultText), N))
        for (std::size_t i = 0; i < N; ++i)
            colors.*roles[i] = (*values)[i];
    return colors;
}

template <typename Colors, std::size_t N>
bool WriteColors(CProfileStore& store, SettingKey key, const Colors& colors,
                 const std::array<COLORREF Colors::*, N>& roles)
{
    std::vector<std::uint32_t> values;
    for (const auto role : roles)
        values.push_back(colors.*role);
    return store.WriteProfileString(key.pszSection, key.pszEntry, FormatHexList(values));
}

std::unique_ptr<LOGFONT> ReadFont(CProfileStore& store, SettingKey key, const CDesktopMetrics& desktop)
{
    std::vector<std::uint8_t> bytes;
    if (store.GetProfileBinary(key.pszSection, key.pszEntry, bytes))
        if (auto lf = LOGFONT::FromBytes(bytes))
            return std::make_unique<LOGFONT>(*lf);
    return std::make_unique<LOGFONT>(desktop.GetIconTitleFont());
}

// A missing structure is not written, which is no failure.
template <typename Structure> bool WriteStructure(CProfileStore& store, SettingKey key, const Structure* p)
{
    if (!p)
        return true;
    const auto bytes = p->ToBytes();
    return store.WriteProfileBinary(key.pszSection, key.pszEntry, {bytes.begin(), bytes.end()});
}

std::string ReadText(CProfileStore& store, const TextSetting& setting)
{
    return store.GetProfileString(setting.key.pszSection, setting.key.pszEntry, setting.pszDefault);
}

int ReadInt(CProfileStore& store, const IntSetting& setting)
{
    return store.GetProfileInt(setting.key.pszSection, setting.key.pszEntry, setting.nDefault);
}

bool WriteText(CProfileStore& store, SettingKey key, std::string_view text)
{
    return store.WriteProfileString(key.pszSection, key.pszEntry, text);
}

bool WriteInt(CProfileStore& store, SettingKey key, int nValue)
{
    return store.WriteProfileInt(key.pszSection, key.pszEntry, nValue);
}

std::vector<std::int32_t> BarSizeDefaults()
{
    std::vector<std::int32_t> sizes;
    for (const BarSizeSetting& size : kBarSizes)
        sizes.push_back(size.nDefault);
    return sizes;
}

// A stored window position as a window can have it. Qt keeps a window's edges in int, so
// a damaged position near either end of the int range would overflow them.
CPoint WindowPoint(std::int32_t x, std::int32_t y)
{
    constexpr std::int32_t kLimit = 16777215; // QWIDGETSIZE_MAX, far beyond any screen
    return {std::clamp(x, -kLimit, kLimit), std::clamp(y, -kLimit, kLimit)};
}
} // namespace

CAppSetting::CAppSetting() = default;
CAppSetting::~CAppSetting() = default;

void CAppSetting::Load(CProfileStore& store, const CDesktopMetrics& desktop)
{
    m_strVeskDir = ReadText(store, kVeskDirSetting);
    m_strUserName = ReadText(store, kUserNameSetting);

    const std::vector<std::int32_t> defaultScales = BarSizeDefaults();
    const auto scales = ParseDecimalList(store.GetProfileString(kScalesKey.pszSection, kScalesKey.pszEntry,
                                                                FormatDecimalList(defaultScales)),
                                         kBarSizes.size())
                            .value_or(defaultScales);
    m_nBarWidth = scales[0];
    m_nBarSpace = scales[1];
    m_nBarCount = scales[2];
    m_nLineWidth = scales[3];

    for (std::size_t i = 0; i < m_ChartColor.size(); ++i)
        m_ChartColor[i] = ReadColors(store, kChartColorKeys[i], kChartColorDefault, kChartFallback, kChartRoles);
    m_bGageColor = ReadInt(store, kGageColorSetting) != 0;
    for (std::size_t i = 0; i < m_BoardColor.size(); ++i)
        m_BoardColor[i] = ReadColors(store, kBoardColorKeys[i], kBoardColorDefault, kBoardFallback, kBoardRoles);

    m_pChartFont = ReadFont(store, kChartFontKey, desktop);
    m_pBoardFont = ReadFont(store, kBoardFontKey, desktop);
    m_nBoardFlag = ReadInt(store, kBoardFlagSetting);
    m_strRefStr = ReadText(store, kRefStrSetting);

    const auto points = ParseDecimalList(ReadText(store, kBoardPointSetting), 2 * m_ptBoard.size())
                            .value_or(std::vector<std::int32_t>(2 * m_ptBoard.size(), 0));
    for (std::size_t i = 0; i < m_ptBoard.size(); ++i)
        m_ptBoard[i] = WindowPoint(points[2 * i], points[2 * i + 1]);

    std::vector<std::uint8_t> bytes;
    std::optional<WINDOWPLACEMENT> placement;
    if (store.GetProfileBinary(kWindowPosKey.pszSection, kWindowPosKey.pszEntry, bytes))
        placement = WINDOWPLACEMENT::FromBytes(bytes);
    if (!placement) {
        placement.emplace();
        placement->flags = WINDOWPLACEMENT::WPF_SETMINPOSITION;
        placement->showCmd = WINDOWPLACEMENT::SW_SHOWNORMAL;
        placement->right = desktop.GetScreenWidth() * 2 / 3;
        placement->bottom = desktop.GetScreenHeight() * 2 / 3;
    }
    m_pWindowPos = std::make_unique<WINDOWPLACEMENT>(*placement);

    const auto frame =
        ParseDecimalList(ReadText(store, kFramePointSetting), 2).value_or(std::vector<std::int32_t>{0, 0});
    m_ptFrame = WindowPoint(frame[0], frame[1]);
    m_bZoomed = ReadInt(store, kZoomedSetting) != 0;

    if (const auto calendar = ParseDecimalList(ReadText(store, {kCalendarPointKey, ""}), 2))
        m_ptCalendar = WindowPoint((*calendar)[0], (*calendar)[1]);
    const int nCategory = ReadInt(store, kCalendarCategorySetting);
    m_nCalendarCategory = kCalendarCategories.Contains(nCategory) ? nCategory : kCalendarCategorySetting.nDefault;
}

bool CAppSetting::Save(CProfileStore& store) const
{
    bool bAllWritten = true;
    const auto write = [&bAllWritten](bool bWritten) { bAllWritten = bAllWritten && bWritten; };
    write(WriteText(store, kVeskDirSetting.key, m_strVeskDir));
    write(WriteText(store, kUserNameSetting.key, m_strUserName));
    write(WriteText(store, kScalesKey, FormatDecimalList({m_nBarWidth, m_nBarSpace, m_nBarCount, m_nLineWidth})));
    for (std::size_t i = 0; i < m_ChartColor.size(); ++i)
        write(WriteColors(store, kChartColorKeys[i], m_ChartColor[i], kChartRoles));
    write(WriteInt(store, kGageColorSetting.key, m_bGageColor ? 1 : 0));
    for (std::size_t i = 0; i < m_BoardColor.size(); ++i)
        write(WriteColors(store, kBoardColorKeys[i], m_BoardColor[i], kBoardRoles));
    write(WriteStructure(store, kChartFontKey, m_pChartFont.get()));
    write(WriteStructure(store, kBoardFontKey, m_pBoardFont.get()));
    write(WriteInt(store, kBoardFlagSetting.key, m_nBoardFlag));
    write(WriteText(store, kRefStrSetting.key, m_strRefStr));
    std::vector<std::int32_t> points;
    for (const CPoint& pt : m_ptBoard) {
        points.push_back(pt.x);
        points.push_back(pt.y);
    }
    write(WriteText(store, kBoardPointSetting.key, FormatDecimalList(points)));
    write(WriteStructure(store, kWindowPosKey, m_pWindowPos.get()));
    write(WriteText(store, kFramePointSetting.key, FormatDecimalList({m_ptFrame.x, m_ptFrame.y})));
    write(WriteInt(store, kZoomedSetting.key, m_bZoomed ? 1 : 0));
    // A file of someone who never opened the calendar stays as it was.
    if (m_ptCalendar) {
        write(WriteText(store, kCalendarPointKey, FormatDecimalList({m_ptCalendar->x, m_ptCalendar->y})));
        write(WriteInt(store, kCalendarCategorySetting.key, m_nCalendarCategory));
    }
    return bAllWritten;
}

COLORREF CAppSetting::GetChartColor(std::optional<Category> nCategory, int nRole) const
{
    if (!nCategory || nRole < CLR_AXIS || nRole > CLR_LINE)
        return 0;
    return m_ChartColor[Index(*nCategory)].*kChartRoles[nRole];
}

bool CAppSetting::GetChartColors(CHARTCOLOR* pOut, std::optional<Category> nCategory) const
{
    if (!pOut || !nCategory)
        return false;
    *pOut = m_ChartColor[Index(*nCategory)];
    return true;
}

bool CAppSetting::SetChartColors(const CHARTCOLOR* pIn, std::optional<Category> nCategory)
{
    if (!pIn || !nCategory)
        return false;
    m_ChartColor[Index(*nCategory)] = *pIn;
    return true;
}

COLORREF CAppSetting::GetBoardColor(Scale nScale, int nRole) const
{
    if (nRole < CLR_BOARD_BACK || nRole > CLR_BOARD_RULE)
        return 0;
    return m_BoardColor[Index(nScale)].*kBoardRoles[nRole - CLR_BOARD_BACK];
}

bool CAppSetting::GetBoardColors(BOARDCOLOR* pOut, Scale nScale) const
{
    if (!pOut)
        return false;
    *pOut = m_BoardColor[Index(nScale)];
    return true;
}

bool CAppSetting::SetBoardColors(const BOARDCOLOR* pIn, Scale nScale)
{
    if (!pIn)
        return false;
    m_BoardColor[Index(nScale)] = *pIn;
    return true;
}

bool CAppSetting::IsBoardRowShown(int nRow) const
{
    return (static_cast<unsigned>(m_nBoardFlag) >> (static_cast<unsigned>(nRow) & 31u)) & 1u;
}

bool CAppSetting::IsBoardJapanese() const
{
    return (m_nBoardFlag & 0x10) != 0;
}
