#include "core/settings/AppSetting.h"

#include <algorithm>
#include <span>
#include <vector>

#include "core/settings/DesktopMetrics.h"
#include "core/settings/ProfileStore.h"
#include "core/settings/SettingText.h"

namespace {
constexpr const char* kCategoryKeys[4] = {"Alph", "Kana", "Roma", "Sybl"};
constexpr const char* kScaleKeys[3] = {"Daily", "Weekly", "Monthly"};

constexpr CHARTCOLOR kChartFallback = {0, 0xFFFFFF, 0x800000, 0xFF};
constexpr BOARDCOLOR kBoardFallback = {0xFFFFFF, 0, 0, 0, 0, 0, 0x808080};

// The members of the colour records in role order.
constexpr std::array kChartRoles = {&CHARTCOLOR::crAxis, &CHARTCOLOR::crBack, &CHARTCOLOR::crBar, &CHARTCOLOR::crLine};
constexpr std::array kBoardRoles = {&BOARDCOLOR::crBack, &BOARDCOLOR::crLabel, &BOARDCOLOR::crAlph, &BOARDCOLOR::crKana,
                                    &BOARDCOLOR::crRoma, &BOARDCOLOR::crSybl,  &BOARDCOLOR::crRule};

template <typename Colors, std::size_t N>
Colors ReadColors(CProfileStore& store, const char* section, const char* entry, const char* defaultText,
                  const Colors& fallback, const std::array<COLORREF Colors::*, N>& roles)
{
    Colors colors = fallback;
    if (const auto values = ParseHexList(store.GetProfileString(section, entry, defaultText), N))
        for (std::size_t i = 0; i < N; ++i)
            colors.*roles[i] = (*values)[i];
    return colors;
}

template <typename Colors, std::size_t N>
bool WriteColors(CProfileStore& store, const char* section, const char* entry, const Colors& colors,
                 const std::array<COLORREF Colors::*, N>& roles)
{
    std::vector<std::uint32_t> values;
    for (const auto role : roles)
        values.push_back(colors.*role);
    return store.WriteProfileString(section, entry, FormatHexList(values));
}

std::unique_ptr<LOGFONT> ReadFont(CProfileStore& store, const char* section, const CDesktopMetrics& desktop)
{
    std::vector<std::uint8_t> bytes;
    if (store.GetProfileBinary(section, "Font", bytes))
        if (auto lf = LOGFONT::FromBytes(bytes))
            return std::make_unique<LOGFONT>(*lf);
    return std::make_unique<LOGFONT>(desktop.GetIconTitleFont());
}

// A missing structure is not written, which is no failure.
template <typename Structure>
bool WriteStructure(CProfileStore& store, const char* section, const char* entry, const Structure* p)
{
    if (!p)
        return true;
    const auto bytes = p->ToBytes();
    return store.WriteProfileBinary(section, entry, {bytes.begin(), bytes.end()});
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
    m_strVeskDir = store.GetProfileString("App", "VeskDir", "");
    m_strUserName = store.GetProfileString("App", "UserName", "");

    const auto scales = ParseDecimalList(store.GetProfileString("Chart", "Scales", "13:8:50:2"), 4)
                            .value_or(std::vector<std::int32_t>{13, 8, 50, 2});
    m_nBarWidth = scales[0];
    m_nBarSpace = scales[1];
    m_nBarCount = scales[2];
    m_nLineWidth = scales[3];

    for (int i = 0; i < 4; ++i)
        m_ChartColor[i] =
            ReadColors(store, "Chart", kCategoryKeys[i], "0:ffffff:ff0000:0000ff", kChartFallback, kChartRoles);
    m_bGageColor = store.GetProfileInt("Chart", "Gage", 0) != 0;
    for (int i = 0; i < 3; ++i)
        m_BoardColor[i] =
            ReadColors(store, "Board", kScaleKeys[i], "ffffff:0:0:0:0:0:808080", kBoardFallback, kBoardRoles);

    m_pChartFont = ReadFont(store, "Chart", desktop);
    m_pBoardFont = ReadFont(store, "Board", desktop);
    m_nBoardFlag = store.GetProfileInt("Board", "Flag", 31);
    m_strRefStr = store.GetProfileString("Board", "RefStr", ">");

    const auto points =
        ParseDecimalList(store.GetProfileString("Board", "Point", "30:30:60:60:90:90:120:120:150:150:180:180"), 12)
            .value_or(std::vector<std::int32_t>(12, 0));
    for (std::size_t i = 0; i < m_ptBoard.size(); ++i)
        m_ptBoard[i] = WindowPoint(points[2 * i], points[2 * i + 1]);

    std::vector<std::uint8_t> bytes;
    std::optional<WINDOWPLACEMENT> placement;
    if (store.GetProfileBinary("Frame", "WindowPos", bytes))
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
        ParseDecimalList(store.GetProfileString("Frame", "Point", "0:0"), 2).value_or(std::vector<std::int32_t>{0, 0});
    m_ptFrame = WindowPoint(frame[0], frame[1]);
    m_bZoomed = store.GetProfileInt("Frame", "Zoomed", 0) != 0;

    if (const auto calendar = ParseDecimalList(store.GetProfileString("Calendar", "Point", ""), 2))
        m_ptCalendar = WindowPoint((*calendar)[0], (*calendar)[1]);
    const int nCategory = store.GetProfileInt("Calendar", "Category", 0);
    m_nCalendarCategory = nCategory >= 0 && nCategory <= 4 ? nCategory : 0;
}

bool CAppSetting::Save(CProfileStore& store) const
{
    bool bAllWritten = true;
    const auto write = [&bAllWritten](bool bWritten) { bAllWritten = bAllWritten && bWritten; };
    write(store.WriteProfileString("App", "VeskDir", m_strVeskDir));
    write(store.WriteProfileString("App", "UserName", m_strUserName));
    write(store.WriteProfileString("Chart", "Scales",
                                   FormatDecimalList({m_nBarWidth, m_nBarSpace, m_nBarCount, m_nLineWidth})));
    for (int i = 0; i < 4; ++i)
        write(WriteColors(store, "Chart", kCategoryKeys[i], m_ChartColor[i], kChartRoles));
    write(store.WriteProfileInt("Chart", "Gage", m_bGageColor ? 1 : 0));
    for (int i = 0; i < 3; ++i)
        write(WriteColors(store, "Board", kScaleKeys[i], m_BoardColor[i], kBoardRoles));
    write(WriteStructure(store, "Chart", "Font", m_pChartFont.get()));
    write(WriteStructure(store, "Board", "Font", m_pBoardFont.get()));
    write(store.WriteProfileInt("Board", "Flag", m_nBoardFlag));
    write(store.WriteProfileString("Board", "RefStr", m_strRefStr));
    std::vector<std::int32_t> points;
    for (const CPoint& pt : m_ptBoard) {
        points.push_back(pt.x);
        points.push_back(pt.y);
    }
    write(store.WriteProfileString("Board", "Point", FormatDecimalList(points)));
    write(WriteStructure(store, "Frame", "WindowPos", m_pWindowPos.get()));
    write(store.WriteProfileString("Frame", "Point", FormatDecimalList({m_ptFrame.x, m_ptFrame.y})));
    write(store.WriteProfileInt("Frame", "Zoomed", m_bZoomed ? 1 : 0));
    // A file of someone who never opened the calendar stays as it was.
    if (m_ptCalendar) {
        write(store.WriteProfileString("Calendar", "Point", FormatDecimalList({m_ptCalendar->x, m_ptCalendar->y})));
        write(store.WriteProfileInt("Calendar", "Category", m_nCalendarCategory));
    }
    return bAllWritten;
}

COLORREF CAppSetting::GetChartColor(std::optional<Category> nCategory, int nRole) const
{
    if (!nCategory || nRole < CLR_AXIS || nRole > CLR_LINE)
        return 0;
    return m_ChartColor[Index(*nCategory)].*kChartRoles[nRole];
}

int CAppSetting::GetChartColors(CHARTCOLOR* pOut, std::optional<Category> nCategory) const
{
    if (!pOut || !nCategory)
        return -1;
    *pOut = m_ChartColor[Index(*nCategory)];
    return 0;
}

int CAppSetting::SetChartColors(const CHARTCOLOR* pIn, std::optional<Category> nCategory)
{
    if (!pIn || !nCategory)
        return -1;
    m_ChartColor[Index(*nCategory)] = *pIn;
    return static_cast<int>(Index(*nCategory));
}

COLORREF CAppSetting::GetBoardColor(Scale nScale, int nRole) const
{
    if (nRole < CLR_BOARD_BACK || nRole > CLR_BOARD_RULE)
        return 0;
    return m_BoardColor[Index(nScale)].*kBoardRoles[nRole - CLR_BOARD_BACK];
}

int CAppSetting::GetBoardColors(BOARDCOLOR* pOut, Scale nScale) const
{
    if (!pOut)
        return -1;
    *pOut = m_BoardColor[Index(nScale)];
    return 0;
}

int CAppSetting::SetBoardColors(const BOARDCOLOR* pIn, Scale nScale)
{
    if (!pIn)
        return -1;
    m_BoardColor[Index(nScale)] = *pIn;
    return static_cast<int>(Index(nScale));
}

bool CAppSetting::IsBoardRowShown(int nRow) const
{
    return (static_cast<unsigned>(m_nBoardFlag) >> (static_cast<unsigned>(nRow) & 31u)) & 1u;
}

bool CAppSetting::IsBoardJapanese() const
{
    return (m_nBoardFlag & 0x10) != 0;
}
