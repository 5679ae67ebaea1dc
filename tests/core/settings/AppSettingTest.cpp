#include "core/settings/AppSetting.h"

#include <gtest/gtest.h>

#include "tests/support/MemoryProfileStore.h"

namespace {
struct Loaded
{
    CMemoryProfileStore store;
    CAppSetting setting;
    void Load() { setting.Load(store, FixedDesktop()); }
};

std::string Text(const CMemoryProfileStore& store, const char* section, const char* entry)
{
    return std::get<std::string>(store.m_values.at({section, entry}));
}
} // namespace

TEST(AppSetting, ConstructorValues)
{
    CAppSetting s;
    EXPECT_EQ(s.m_nBarCount, 50);
    EXPECT_EQ(s.m_nLineWidth, 2);
    EXPECT_EQ(s.m_nBarSpace, 8);
    EXPECT_EQ(s.m_nBarWidth, 13);
    EXPECT_EQ(s.m_nBoardFlag, 31);
    EXPECT_EQ(s.m_strRefStr, ">");
    EXPECT_FALSE(s.m_pWindowPos);
    EXPECT_FALSE(s.m_pChartFont);
    EXPECT_EQ(s.m_ChartColor[2], CHARTCOLOR{});
}

TEST(AppSetting, EmptyStoreTakesDefaultsAndSavesAllNineteenValuesInOrder)
{
    Loaded t;
    t.Load();
    const CAppSetting& s = t.setting;
    EXPECT_EQ(s.m_nBarWidth, 13);
    EXPECT_EQ(s.m_nBarSpace, 8);
    EXPECT_EQ(s.m_nBarCount, 50);
    EXPECT_EQ(s.m_nLineWidth, 2);
    // The default text's bar colour, not the fallback's 0x800000.
    for (const CHARTCOLOR& c : s.m_ChartColor)
        EXPECT_EQ(c, (CHARTCOLOR{0, 0xFFFFFF, 0xFF0000, 0xFF}));
    for (const BOARDCOLOR& c : s.m_BoardColor)
        EXPECT_EQ(c, (BOARDCOLOR{0xFFFFFF, 0, 0, 0, 0, 0, 0x808080}));
    EXPECT_EQ(s.m_ptBoard[0], (CPoint{30, 30}));
    EXPECT_EQ(s.m_ptBoard[5], (CPoint{180, 180}));
    EXPECT_EQ(s.m_pChartFont->FaceNameBytes(), "IconTitle");
    EXPECT_EQ(s.m_pBoardFont->FaceNameBytes(), "IconTitle");

    CMemoryProfileStore out;
    EXPECT_TRUE(s.Save(out));
    const std::vector<CMemoryProfileStore::Key> order = {
        {"App", "VeskDir"},   {"App", "UserName"},    {"Chart", "Scales"}, {"Chart", "Alph"},  {"Chart", "Kana"},
        {"Chart", "Roma"},    {"Chart", "Sybl"},      {"Chart", "Gage"},   {"Board", "Daily"}, {"Board", "Weekly"},
        {"Board", "Monthly"}, {"Chart", "Font"},      {"Board", "Font"},   {"Board", "Flag"},  {"Board", "RefStr"},
        {"Board", "Point"},   {"Frame", "WindowPos"}, {"Frame", "Point"},  {"Frame", "Zoomed"}};
    EXPECT_EQ(out.m_writes, order);
    EXPECT_EQ(Text(out, "Chart", "Scales"), "13:8:50:2");
    EXPECT_EQ(Text(out, "Chart", "Alph"), "0:ffffff:ff0000:ff");
    EXPECT_EQ(Text(out, "Board", "Monthly"), "ffffff:0:0:0:0:0:808080");
    EXPECT_EQ(Text(out, "Board", "Point"), "30:30:60:60:90:90:120:120:150:150:180:180");
    EXPECT_EQ(Text(out, "Board", "RefStr"), ">");
    EXPECT_EQ(Text(out, "Frame", "Point"), "0:0");
    EXPECT_EQ(std::get<int>(out.m_values.at({"Board", "Flag"})), 31);
    EXPECT_EQ(std::get<std::vector<std::uint8_t>>(out.m_values.at({"Chart", "Font"})).size(), 60u);
    EXPECT_EQ(std::get<std::vector<std::uint8_t>>(out.m_values.at({"Frame", "WindowPos"})).size(), 44u);
}

TEST(AppSetting, SaveSkipsMissingFontsAndPlacement)
{
    CAppSetting s;
    CMemoryProfileStore out;
    EXPECT_TRUE(s.Save(out));
    EXPECT_EQ(out.m_writes.size(), 16u);
    EXPECT_FALSE(out.m_values.contains({"Chart", "Font"}));
    EXPECT_FALSE(out.m_values.contains({"Frame", "WindowPos"}));

    // A refused write is said, and the values after it are written all the same.
    CMemoryProfileStore refusing;
    refusing.m_refused = {"Chart", "Alph"};
    EXPECT_FALSE(s.Save(refusing));
    EXPECT_EQ(refusing.m_writes.size(), 16u);
}

TEST(AppSetting, UnreadableColourTextFallsBackForThatCategoryOnly)
{
    Loaded t;
    t.store.Put("Chart", "Kana", "red:green:blue:black");
    t.store.Put("Chart", "Roma", "1:2:3"); // three numbers are not four
    t.store.Put("Chart", "Sybl", " 0X10: -1:abc:DEF trailing");
    t.store.Put("Board", "Weekly", "1:2:3:4:5:6");
    t.Load();
    EXPECT_EQ(t.setting.m_ChartColor[1], (CHARTCOLOR{0, 0xFFFFFF, 0x800000, 0xFF}));
    EXPECT_EQ(t.setting.m_ChartColor[2], (CHARTCOLOR{0, 0xFFFFFF, 0x800000, 0xFF}));
    EXPECT_EQ(t.setting.m_ChartColor[3], (CHARTCOLOR{0x10, 0xFFFFFFFF, 0xABC, 0xDEF}));
    EXPECT_EQ(t.setting.m_ChartColor[0], (CHARTCOLOR{0, 0xFFFFFF, 0xFF0000, 0xFF}));
    EXPECT_EQ(t.setting.m_BoardColor[1], (BOARDCOLOR{0xFFFFFF, 0, 0, 0, 0, 0, 0x808080}));
}

TEST(AppSetting, ScalesTakeFirstFourNumbersOrFallBackWhole)
{
    const std::pair<const char*, std::array<int, 4>> cases[] = {
        {"30:4:100", {13, 8, 50, 2}},           {"30:4:100:5:99", {30, 4, 100, 5}}, {"13:8:0:2", {13, 8, 0, 2}},
        {"500:8:999:2", {500, 8, 999, 2}},      {"-3:+4: 5:6x", {-3, 4, 5, 6}},     {"30 :8:50:2", {13, 8, 50, 2}},
        {"99999999999:8:50:2", {13, 8, 50, 2}},
    };
    for (const auto& [text, expected] : cases) {
        Loaded t;
        t.store.Put("Chart", "Scales", text);
        t.Load();
        const std::array<int, 4> got = {t.setting.m_nBarWidth, t.setting.m_nBarSpace, t.setting.m_nBarCount,
                                        t.setting.m_nLineWidth};
        EXPECT_EQ(got, expected) << text;
    }
}

TEST(AppSetting, BoardPointsNeedAllTwelveNumbers)
{
    // The board points and the frame point loaded from the given texts.
    const auto load = [](const char* board, const char* frame) {
        Loaded t;
        t.store.Put("Board", "Point", board);
        t.store.Put("Frame", "Point", frame);
        t.Load();
        return std::pair(t.setting.m_ptBoard, t.setting.m_ptFrame);
    };
    auto [boards, frame] = load("1:2:3:4:5:6:7:8:9:10:11", "17");
    for (const CPoint& pt : boards)
        EXPECT_EQ(pt, (CPoint{0, 0}));
    EXPECT_EQ(frame, (CPoint{0, 0}));

    std::tie(boards, frame) = load("1:2:3:4:5:6:7:8:9:10:11:-12", "-5:7");
    EXPECT_EQ(boards[5], (CPoint{11, -12}));
    EXPECT_EQ(frame, (CPoint{-5, 7}));

    // Damaged positions are held to what a window can have.
    std::tie(boards, frame) = load("2147483647:-2147483648:3:4:5:6:7:8:9:10:11:12", "-2147483648:16777216");
    EXPECT_EQ(boards[0], (CPoint{16777215, -16777215}));
    EXPECT_EQ(frame, (CPoint{-16777215, 16777215}));
}

TEST(AppSetting, FontOfWrongLengthOrKindIsReplacedByIconTitleFont)
{
    LOGFONT stored;
    stored.lfHeight = -20;
    stored.SetFaceNameBytes("IPAGothic");
    const auto bytes = stored.ToBytes();

    Loaded t;
    t.store.Put("Chart", "Font", std::vector<std::uint8_t>(bytes.begin(), bytes.end() - 1));
    t.store.Put("Board", "Font", std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
    t.Load();
    EXPECT_EQ(t.setting.m_pChartFont->FaceNameBytes(), "IconTitle");
    EXPECT_EQ(*t.setting.m_pBoardFont, stored);

    Loaded u;
    u.store.Put("Chart", "Font", "IPAGothic");
    std::vector<std::uint8_t> longer(bytes.begin(), bytes.end());
    longer.push_back(0);
    u.store.Put("Board", "Font", longer);
    u.Load();
    EXPECT_EQ(u.setting.m_pChartFont->FaceNameBytes(), "IconTitle");
    EXPECT_EQ(u.setting.m_pBoardFont->FaceNameBytes(), "IconTitle");
}

TEST(AppSetting, MissingPlacementIsTwoThirdsOfTheScreen)
{
    Loaded t;
    t.store.Put("Frame", "WindowPos", std::vector<std::uint8_t>(43, 0));
    t.Load();
    const WINDOWPLACEMENT& wp = *t.setting.m_pWindowPos;
    EXPECT_EQ(wp.length, 44u);
    EXPECT_EQ(wp.flags, 1u);
    EXPECT_EQ(wp.showCmd, 1u);
    EXPECT_EQ(wp.left, 0);
    EXPECT_EQ(wp.top, 0);
    EXPECT_EQ(wp.right, 682);
    EXPECT_EQ(wp.bottom, 512);
}

TEST(AppSetting, IntegersAndTextsKeepTheirKinds)
{
    Loaded t;
    t.store.Put("Board", "Flag", "7"); // a text where a number belongs reads as missing
    t.store.Put("Chart", "Gage", 5);
    t.store.Put("Frame", "Zoomed", 1);
    t.store.Put("Board", "RefStr", "");
    t.store.Put("App", "UserName", "たろう");
    t.Load();
    EXPECT_EQ(t.setting.m_nBoardFlag, 31);
    EXPECT_TRUE(t.setting.m_bGageColor);
    EXPECT_TRUE(t.setting.m_bZoomed);
    EXPECT_EQ(t.setting.m_strRefStr, "");
    EXPECT_EQ(t.setting.m_strUserName, "たろう");
}

TEST(AppSetting, ColourOperations)
{
    CAppSetting s;
    const CHARTCOLOR chart = {1, 2, 3, 4};
    EXPECT_TRUE(s.SetChartColors(&chart, Category::Roma));
    EXPECT_FALSE(s.SetChartColors(nullptr, Category::Roma));
    EXPECT_FALSE(s.SetChartColors(&chart, std::nullopt));
    EXPECT_EQ(s.GetChartColor(Category::Roma, CLR_BAR), 3u);
    EXPECT_EQ(s.GetChartColor(Category::Roma, CLR_LINE), 4u);
    EXPECT_EQ(s.GetChartColor(std::nullopt, CLR_BAR), 0u);
    EXPECT_EQ(s.GetChartColor(Category::Roma, -1), 0u);
    EXPECT_EQ(s.GetChartColor(Category::Roma, CLR_BOARD_BACK), 0u);
    CHARTCOLOR out{9, 9, 9, 9};
    EXPECT_FALSE(s.GetChartColors(&out, std::nullopt));
    EXPECT_EQ(out, (CHARTCOLOR{9, 9, 9, 9}));
    EXPECT_TRUE(s.GetChartColors(&out, Category::Roma));
    EXPECT_EQ(out, chart);

    const BOARDCOLOR board = {10, 11, 12, 13, 14, 15, 16};
    EXPECT_TRUE(s.SetBoardColors(&board, Scale::Weekly));
    EXPECT_FALSE(s.SetBoardColors(nullptr, Scale::Weekly));
    EXPECT_EQ(s.GetBoardColor(Scale::Weekly, CLR_BOARD_BACK), 10u);
    EXPECT_EQ(s.GetBoardColor(Scale::Weekly, CLR_BOARD_KANA), 13u);
    EXPECT_EQ(s.GetBoardColor(Scale::Weekly, CLR_BOARD_RULE), 16u);
    EXPECT_EQ(s.GetBoardColor(Scale::Daily, CLR_BAR), 0u);
    EXPECT_EQ(s.GetBoardColor(Scale::Weekly, 11), 0u);
    BOARDCOLOR bout;
    EXPECT_FALSE(s.GetBoardColors(nullptr, Scale::Weekly));
    EXPECT_TRUE(s.GetBoardColors(&bout, Scale::Weekly));
    EXPECT_EQ(bout, board);
}

TEST(AppSetting, BoardFlagBits)
{
    CAppSetting s;
    s.m_nBoardFlag = 0x05;
    EXPECT_TRUE(s.IsBoardRowShown(0));
    EXPECT_FALSE(s.IsBoardRowShown(1));
    EXPECT_TRUE(s.IsBoardRowShown(2));
    EXPECT_TRUE(s.IsBoardRowShown(32)); // the bit number is taken modulo 32
    EXPECT_FALSE(s.IsBoardJapanese());
    s.m_nBoardFlag = static_cast<int>(0x80000010u);
    EXPECT_TRUE(s.IsBoardJapanese());
    EXPECT_TRUE(s.IsBoardRowShown(31));
    EXPECT_TRUE(s.IsBoardRowShown(-1));
}

TEST(AppSetting, TheCalendarIsStoredOnlyOnceItWasShown)
{
    Loaded t;
    t.store.m_values[{"Calendar", "Point"}] = std::string("-5:40");
    t.store.m_values[{"Calendar", "Category"}] = 9;
    t.Load();
    ASSERT_TRUE(t.setting.m_ptCalendar);
    EXPECT_EQ(*t.setting.m_ptCalendar, (CPoint{-5, 40}));
    EXPECT_EQ(t.setting.m_nCalendarCategory, 0); // no category of the five
    t.setting.m_nCalendarCategory = 3;
    CMemoryProfileStore out;
    EXPECT_TRUE(t.setting.Save(out));
    EXPECT_EQ(Text(out, "Calendar", "Point"), "-5:40");
    EXPECT_EQ(std::get<int>(out.m_values.at({"Calendar", "Category"})), 3);
}
