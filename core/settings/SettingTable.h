#pragma once
#include <array>
#include <cstddef>

// Every stored setting's place in the store, its value when the store has none and, where
// the user types it, the range a page accepts. Loading, saving, the pages' checks and
// messages and the chart's limits all read them here.

// A value's section and name in the store.
struct SettingKey
{
    const char* pszSection;
    const char* pszEntry;
};

struct IntRange
{
    int nMin;
    int nMax;
    constexpr bool Contains(int n) const { return n >= nMin && n <= nMax; }
};

// A value kept as text, or as numbers written into text.
struct TextSetting
{
    SettingKey key;
    const char* pszDefault;
};

struct IntSetting
{
    SettingKey key;
    int nDefault;
};

// One of the bar sizes, which Chart/Scales holds together in the order of kBarSizes.
struct BarSizeSetting
{
    int nDefault;
    IntRange range;
};

inline constexpr TextSetting kVeskDirSetting{{"App", "VeskDir"}, ""};
inline constexpr TextSetting kUserNameSetting{{"App", "UserName"}, ""};

inline constexpr SettingKey kScalesKey{"Chart", "Scales"};
inline constexpr BarSizeSetting kBarWidthSetting{13, {3, 30}};
inline constexpr BarSizeSetting kBarSpaceSetting{8, {1, 50}};
inline constexpr BarSizeSetting kBarCountSetting{50, {3, 999}};
inline constexpr BarSizeSetting kLineWidthSetting{2, {1, 10}};
inline constexpr std::array kBarSizes{kBarWidthSetting, kBarSpaceSetting, kBarCountSetting, kLineWidthSetting};

// Colours of the categories, in their order: axis, back, bar, line.
inline constexpr std::array<SettingKey, 4> kChartColorKeys{
    {{"Chart", "Alph"}, {"Chart", "Kana"}, {"Chart", "Roma"}, {"Chart", "Sybl"}}};
inline constexpr const char* kChartColorDefault = "0:ffffff:ff0000:0000ff";
inline constexpr IntSetting kGageColorSetting{{"Chart", "Gage"}, 0};
inline constexpr SettingKey kChartFontKey{"Chart", "Font"};

// Colours of the scales, in their order: back, label, alph, kana, roma, sybl, rule.
inline constexpr std::array<SettingKey, 3> kBoardColorKeys{
    {{"Board", "Daily"}, {"Board", "Weekly"}, {"Board", "Monthly"}}};
inline constexpr const char* kBoardColorDefault = "ffffff:0:0:0:0:0:808080";
inline constexpr SettingKey kBoardFontKey{"Board", "Font"};
inline constexpr IntSetting kBoardFlagSetting{{"Board", "Flag"}, 0x1F};
inline constexpr TextSetting kRefStrSetting{{"Board", "RefStr"}, ">"};
// The quote prefix may take at most this many bytes in code page 932.
inline constexpr std::size_t kMaxQuoteBytes = 5;
// x and y of each of the six board slots.
inline constexpr TextSetting kBoardPointSetting{{"Board", "Point"}, "30:30:60:60:90:90:120:120:150:150:180:180"};

inline constexpr SettingKey kWindowPosKey{"Frame", "WindowPos"};
inline constexpr TextSetting kFramePointSetting{{"Frame", "Point"}, "0:0"};
inline constexpr IntSetting kZoomedSetting{{"Frame", "Zoomed"}, 0};

// The calendar's place is stored only once it was shown, so it has no default.
inline constexpr SettingKey kCalendarPointKey{"Calendar", "Point"};
// 0 all categories, 1..4 one of them.
inline constexpr IntSetting kCalendarCategorySetting{{"Calendar", "Category"}, 0};
inline constexpr IntRange kCalendarCategories{0, 4};
