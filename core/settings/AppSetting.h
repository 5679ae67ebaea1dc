#pragma once
#include <array>
#include <memory>
#include <optional>
#include <string>

#include "core/base/ColorRef.h"
#include "core/base/Point.h"
#include "core/record/Kinds.h"
#include "core/settings/LogFont.h"
#include "core/settings/SettingTable.h"
#include "core/settings/WindowPlacement.h"

class CProfileStore;
class CDesktopMetrics;

// Colour roles: 0..3 index a CHARTCOLOR, 4..10 a BOARDCOLOR.
enum
{
    CLR_AXIS = 0,
    CLR_BACK = 1,
    CLR_BAR = 2,
    CLR_LINE = 3,
    CLR_BOARD_BACK = 4,
    CLR_BOARD_LABEL = 5,
    CLR_BOARD_ALPH = 6,
    CLR_BOARD_KANA = 7,
    CLR_BOARD_ROMA = 8,
    CLR_BOARD_SYBL = 9,
    CLR_BOARD_RULE = 10,
};

struct CHARTCOLOR
{
    COLORREF crAxis = 0; // axis lines and date text
    COLORREF crBack = 0;
    COLORREF crBar = 0;
    COLORREF crLine = 0;
    bool operator==(const CHARTCOLOR&) const = default;
};

struct BOARDCOLOR
{
    COLORREF crBack = 0;
    COLORREF crLabel = 0; // the top label row
    COLORREF crAlph = 0;
    COLORREF crKana = 0;
    COLORREF crRoma = 0;
    COLORREF crSybl = 0;
    COLORREF crRule = 0; // separator lines
    bool operator==(const BOARDCOLOR&) const = default;
};

// Every preference and remembered window position of the viewer. Fields are
// read and written directly; the store is touched only by Load and Save.
class CAppSetting
{
public:
    CAppSetting();
    virtual ~CAppSetting();
    CAppSetting(const CAppSetting&) = delete;
    CAppSetting& operator=(const CAppSetting&) = delete;

    // Reads every value; missing values take their defaults, unreadable ones their fallbacks.
    void Load(CProfileStore& store, const CDesktopMetrics& desktop);
    // Writes every value, in a fixed order; false when the store refused any of them.
    [[nodiscard]] bool Save(CProfileStore& store) const;

    // No category (no chart shown) has no colours: 0 for a role, and the sets copy nothing.
    // A role of the other record gives 0. The sets say whether they copied.
    COLORREF GetChartColor(std::optional<Category> nCategory, int nRole) const;
    bool GetChartColors(CHARTCOLOR* pOut, std::optional<Category> nCategory) const;
    bool SetChartColors(const CHARTCOLOR* pIn, std::optional<Category> nCategory);
    COLORREF GetBoardColor(Scale nScale, int nRole) const;
    bool GetBoardColors(BOARDCOLOR* pOut, Scale nScale) const;
    bool SetBoardColors(const BOARDCOLOR* pIn, Scale nScale);

    bool IsBoardRowShown(int nRow) const;
    bool IsBoardJapanese() const;

    int m_nBarCount = kBarCountSetting.nDefault;
    int m_nLineWidth = kLineWidthSetting.nDefault;
    int m_nBarSpace = kBarSpaceSetting.nDefault;
    int m_nBarWidth = kBarWidthSetting.nDefault;
    int m_nBoardFlag = kBoardFlagSetting.nDefault; // bits 0..3: category rows shown; bit 4: Japanese labels
    bool m_bGageColor = kGageColorSetting.nDefault != 0;
    std::string m_strUserName;
    std::string m_strVeskDir; // ends in a path separator
    std::unique_ptr<WINDOWPLACEMENT> m_pWindowPos;
    bool m_bZoomed = false;
    CPoint m_ptFrame;
    std::array<CPoint, 6> m_ptBoard{};
    std::unique_ptr<LOGFONT> m_pBoardFont;
    std::unique_ptr<LOGFONT> m_pChartFont;
    std::array<CHARTCOLOR, 4> m_ChartColor{};
    std::array<BOARDCOLOR, 3> m_BoardColor{};
    std::string m_strRefStr = kRefStrSetting.pszDefault;
    // The practice calendar: where its window's frame was, none until it was first shown
    // (and then nothing of it is stored), and what it counts: 0 all, 1..4 a category.
    std::optional<CPoint> m_ptCalendar;
    int m_nCalendarCategory = kCalendarCategorySetting.nDefault;
};
