#include "gui/base/AppSettings.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {
// What the settings announced, in order.
std::vector<std::string> Announced(CAppSettings& settings, const std::function<void(CAppSettings::Edit&)>& change)
{
    std::vector<std::string> said;
    const auto chart =
        QObject::connect(&settings, &CAppSettings::chartSettingsStored, [&] { said.push_back("chart"); });
    const auto board =
        QObject::connect(&settings, &CAppSettings::boardSettingsStored, [&] { said.push_back("board"); });
    {
        CAppSettings::Edit edit(settings);
        change(edit);
        EXPECT_TRUE(said.empty()) << "announced before the edit ended";
    }
    QObject::disconnect(chart);
    QObject::disconnect(board);
    return said;
}
} // namespace

TEST(AppSettings, AnEditAnnouncesEachPartItChangedOnceChartFirst)
{
    CAppSettings settings;
    EXPECT_EQ(Announced(settings,
                        [](CAppSettings::Edit& edit) {
                            edit.SetBoardFlag(0x03);
                            edit.SetBarWidth(20);
                            edit.SetChartColors({1, 2, 3, 4}, Category::Kana);
                            edit.SetRefStr("# ");
                        }),
              (std::vector<std::string>{"chart", "board"}));
    EXPECT_EQ(settings.Get().m_nBarWidth, 20);
    EXPECT_EQ(settings.Get().m_ChartColor[1], (CHARTCOLOR{1, 2, 3, 4}));
    EXPECT_EQ(settings.Get().m_strRefStr, "# ");

    // Where windows stood and whose file is open redraw nothing.
    EXPECT_TRUE(Announced(settings, [](CAppSettings::Edit& edit) {
                    edit.SetBoardPoint(2, {5, 6});
                    edit.SetBoardPoint(6, {7, 8}); // no such slot
                    edit.SetFramePoint({9, 10});
                    edit.SetZoomed(true);
                    edit.SetUser("たろう", "/home/t/");
                }).empty());
    EXPECT_EQ(settings.Get().m_ptBoard[2], (CPoint{5, 6}));
    EXPECT_EQ(settings.Get().m_ptFrame, (CPoint{9, 10}));
    EXPECT_EQ(settings.Get().m_strUserName, "たろう");
}
