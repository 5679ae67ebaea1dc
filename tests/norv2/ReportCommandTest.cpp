#include "norv2/ReportCommand.h"

#include <gtest/gtest.h>
#include <sstream>

#include "core/settings/AppSetting.h"
#include "tests/support/RecordLines.h"
#include "tests/support/TempDir.h"

namespace {
struct ReportResult
{
    int nExit;
    std::string out;
    std::string err;
};

class ReportCommandTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        setenv("TZ", "Asia/Tokyo", 1);
        tzset();
    }

    ReportResult Run(std::vector<std::string> args)
    {
        std::ostringstream out, err;
        const int nExit = RunReport(args, m_setting, out, err);
        return {nExit, out.str(), err.str()};
    }

    CAppSetting m_setting;
    CTempDir m_dir;
};

const std::string kUsageStart = "Usage:\n";
} // namespace

TEST_F(ReportCommandTest, BoardPrintsTheCopyText)
{
    const std::string file =
        m_dir.Write("user1.ｷﾛｸ", RecordLine('A', 2003, 5, 6, 250, 3) + "\r\n" + RecordLine('A', 2003, 5, 6, 180, 10) +
                                     "\r\n" + RecordLine('R', 2003, 5, 7, 99, 1) + "\r\n");
    m_setting.m_nBoardFlag = 0x11; // Alph row only
    const ReportResult r = Run({"--board", "2003-05-06", file});
    EXPECT_EQ(r.nExit, 0);
    EXPECT_EQ(r.out, ">2003年 5月 6日(火)の記録 - user1\r\n"
                     ">   回数   最高     最低     平均   総回数   ベスト\r\n"
                     ">--------------------------------------------------\r\n"
                     ">Ａ    2  250( 3)  180(10)  215( 7)      2  250( 3)\r\n"
                     ">--------------------------------------------------\r\n");
    const ReportResult week = Run({"--scale", "weekly", file, "--board", "2003-05-07"});
    EXPECT_EQ(week.nExit, 0);
    EXPECT_TRUE(week.out.starts_with(">2003年 5月 4日(日)～10日(土)の週間記録 - user1\r\n")) << week.out;
}

TEST_F(ReportCommandTest, PeriodsPrintCsvOldestFirst)
{
    std::string lines;
    for (int d = 1; d <= 9; ++d)
        lines += RecordLine('A', 2003, 5, d, 100 + d, 1) + "\r\n" + RecordLine('A', 2003, 5, d, 50, 1) + "\r\n";
    const std::string file = m_dir.Write("u.ｷﾛｸ", lines);
    ReportResult r = Run({"--periods", file, "--max", "2"});
    EXPECT_EQ(r.nExit, 0);
    EXPECT_EQ(r.out, "period,best,worst,average,new_best\n"
                     "2003-05-08,108,50,79,1\n"
                     "2003-05-09,109,50,80,1\n");
    r = Run({"--periods", "--scale", "weekly", file});
    EXPECT_EQ(r.out, "period,best,worst,average,new_best\n"
                     "2003-04-27,103,50,76,1\n"
                     "2003-05-04,109,50,78,1\n");
    r = Run({"--periods", "--category", "kana", file});
    EXPECT_EQ(r.nExit, 0);
    EXPECT_EQ(r.out, "period,best,worst,average,new_best\n");
}

TEST_F(ReportCommandTest, ErrorsExitWithTheirCodes)
{
    const std::string file = m_dir.Write("u.ｷﾛｸ", RecordLine('A', 2003, 5, 6, 250, 3) + "\r\n");
    const std::string broken = m_dir.Write("b.ｷﾛｸ", RecordLine('a', 2003, 5, 6, 250, 3) + "\r\n");
    for (const std::vector<std::string>& args :
         std::vector<std::vector<std::string>>{{"--board", "2003-02-30", file},
                                               {"--board", "2003-5-6", file},
                                               {"--board", file},
                                               {"--periods", "--scale", "yearly", file},
                                               {"--periods", "--category", "kanji", file},
                                               {"--periods", "--max", "0", file},
                                               {"--periods", "--max", "3x", file},
                                               {"--periods", "--frobnicate", file},
                                               {"--periods"},
                                               {"--periods", file, file},
                                               {"--board", "2003-05-06", "--max", "3", file},
                                               {"--board", "2003-05-06", "--periods", file}}) {
        const ReportResult r = Run(args);
        EXPECT_EQ(r.nExit, 2) << args[1];
        EXPECT_TRUE(r.err.starts_with(kUsageStart)) << args[1];
        EXPECT_EQ(r.out, "");
    }
    ReportResult r = Run({"--periods", broken});
    EXPECT_EQ(r.nExit, 1);
    EXPECT_EQ(r.err, "Veskの記録ファイルではない（種目異常）\n");
    r = Run({"--periods", m_dir.File("missing.ｷﾛｸ")});
    EXPECT_EQ(r.nExit, 1);
    EXPECT_NE(r.err.find("missing.ｷﾛｸ"), std::string::npos);
    r = Run({"--help"});
    EXPECT_EQ(r.nExit, 0);
    EXPECT_TRUE(r.out.starts_with(kUsageStart));
    EXPECT_NE(r.out.find("--category alph|kana|roma|sybl"), std::string::npos);
}
