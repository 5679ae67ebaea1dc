// Runs the real Norv2 program's reports on generated record files.
#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <sstream>
#include <sys/stat.h>

#include "tests/support/RecordLines.h"
#include "tests/support/Shell.h"
#include "tests/support/TempDir.h"

namespace {
class ReportEndToEnd : public ::testing::Test
{
protected:
    void SetUp() override
    {
        // Stored settings of the machine must not leak in; none are written either.
        setenv("XDG_CONFIG_HOME", m_dir.File("config").c_str(), 1);
        setenv("TZ", "UTC", 1);
        m_file = m_dir.File("はなこ.ｷﾛｸ");
        ASSERT_EQ(Shell(std::string(NORV2_PYTHON) + " " + NORV2_SOURCE_DIR +
                        "/scripts/gen_records.py --seed 3 --days 70 --start 2025-01-05 " + Quoted(m_file))
                      .nExit,
                  0);
    }

    ProcessResult Norv2(const std::string& args, const std::string& stderrName = "err.txt")
    {
        return Shell(std::string(NORV2_BINARY) + " " + args + " 2>" + Quoted(m_dir.File(stderrName)));
    }

    std::string Stderr(const std::string& name = "err.txt")
    {
        std::ifstream in(m_dir.File(name), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    CTempDir m_dir;
    std::string m_file;
};
} // namespace

TEST_F(ReportEndToEnd, BothReportsRunWithoutADisplay)
{
    unsetenv("DISPLAY");
    unsetenv("QT_QPA_PLATFORM");
    ProcessResult r = Norv2("--periods --scale weekly " + Quoted(m_file));
    EXPECT_EQ(r.nExit, 0) << Stderr();
    EXPECT_TRUE(r.out.starts_with("period,best,worst,average,new_best\n2025-01-05,"));
    EXPECT_GE(std::count(r.out.begin(), r.out.end(), '\n'), 9);

    r = Norv2("--periods --category sybl --max 3 " + Quoted(m_file));
    EXPECT_EQ(r.nExit, 0);
    EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 4);

    r = Norv2("--board 2025-02-12 --scale monthly " + Quoted(m_file));
    EXPECT_EQ(r.nExit, 0) << Stderr();
    EXPECT_TRUE(r.out.starts_with(">2025年 2月の月間記録 - はなこ\r\n>   回数")) << r.out;
    EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 8);
    EXPECT_FALSE(std::filesystem::exists(m_dir.File("config/Norv/Norv2.conf")));

    // The calendar of the file's year holds every run the streaks count.
    r = Norv2("--calendar --year 2025 " + Quoted(m_file));
    EXPECT_EQ(r.nExit, 0) << Stderr();
    EXPECT_TRUE(r.out.starts_with("date,runs,alph,kana,roma,sybl\n2025-01-01,0,0,0,0,0\n")) << r.out;
    EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 366);
    long nRuns = 0, nDays = 0;
    std::istringstream days(r.out.substr(r.out.find('\n') + 1));
    for (std::string line; std::getline(days, line);) {
        const long n = std::stol(line.substr(11));
        nRuns += n;
        nDays += n > 0;
    }
    r = Norv2("--streaks " + Quoted(m_file));
    EXPECT_EQ(r.nExit, 0) << Stderr();
    EXPECT_NE(r.out.find("\ndays_practised," + std::to_string(nDays) + "\nruns," + std::to_string(nRuns) + "\n"),
              std::string::npos)
        << r.out;
}

TEST_F(ReportEndToEnd, ErrorExits)
{
    // Without a display too: a mistyped option starts no window.
    unsetenv("DISPLAY");
    unsetenv("QT_QPA_PLATFORM");
    const std::string broken = m_dir.Write("broken.ｷﾛｸ", std::string(44, 'A') + "\r\n");
    ProcessResult r = Norv2("--periods " + Quoted(broken));
    EXPECT_EQ(r.nExit, 1);
    EXPECT_EQ(Stderr(), "Veskの記録ファイルではない（変数異常）\n");
    r = Norv2("--periods " + Quoted(m_dir.File("none.ｷﾛｸ")));
    EXPECT_EQ(r.nExit, 1);
    EXPECT_NE(Stderr().find("none.ｷﾛｸ"), std::string::npos);
    for (const char* args : {"--board 2003-02-30", "--periods --scale hourly", "--periods --bogus", "--frobnicate",
                             "--periods --category all", "--streaks --year 2025", "--calendar --scale weekly"}) {
        r = Norv2(std::string(args) + " " + Quoted(m_file));
        EXPECT_EQ(r.nExit, 2) << args;
        EXPECT_TRUE(Stderr().starts_with("Usage:")) << args;
    }
    r = Norv2("--help");
    EXPECT_EQ(r.nExit, 0);
    EXPECT_NE(r.out.find("--board YYYY-MM-DD"), std::string::npos);
}

TEST_F(ReportEndToEnd, AFifoIsRefusedWithoutWaiting)
{
    const std::string fifo = m_dir.File("fifo.ｷﾛｸ");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const ProcessResult r = Shell("timeout 20 " + std::string(NORV2_BINARY) + " --periods " + Quoted(fifo) + " 2>&1");
    EXPECT_EQ(r.nExit, 1);
    EXPECT_NE(r.out.find("通常のファイルではありません"), std::string::npos) << r.out;
}

TEST_F(ReportEndToEnd, RunningOutOfMemoryIsReported)
{
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "AddressSanitizer reserves more address space than the limit leaves";
#endif
    // One run a day since 1970, 1,500,000 days: more day records than 40 MB of data hold. The
    // limit is on data rather than address space, which depends on the libraries' sizes.
    std::string lines;
    lines.reserve(1'500'000 * 46);
    for (int nDays = 0; nDays < 1'500'000; ++nDays) {
        const std::chrono::year_month_day day{std::chrono::sys_days{std::chrono::days{nDays}}};
        lines += RecordLine('A', int(day.year()), unsigned(day.month()), unsigned(day.day()), 100, 1) + "\r\n";
    }
    const std::string big = m_dir.Write("big.ｷﾛｸ", lines);
    const ProcessResult r =
        Shell("ulimit -d 40000; " + std::string(NORV2_BINARY) + " --periods --max 3 " + Quoted(big) + " 2>&1");
    EXPECT_EQ(r.nExit, 1);
    EXPECT_NE(r.out.find("メモリが足りない"), std::string::npos) << r.out;
}
