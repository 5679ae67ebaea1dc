// Runs the real Norv2 program's reports on generated record files.
#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <gtest/gtest.h>
#include <optional>
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

    std::string Stderr(const std::string& name = "err.txt") { return m_dir.Read(name); }

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

TEST_F(ReportEndToEnd, HostileCommandLinesEndWithAWord)
{
    const std::string out = m_dir.File("o.png");
    const std::string record = m_dir.Read("はなこ.ｷﾛｸ");
    // No X server answers there: nothing may wait for one, nor abort without it.
    const std::string noDisplay = "env -u QT_QPA_PLATFORM -u WAYLAND_DISPLAY DISPLAY=:7391 ";
    struct Case
    {
        std::string prefix, args;
        int nExit;
        std::string said; // in the error stream
    };
    const Case cases[] = {
        {noDisplay, "-x " + Quoted(m_file), 2, "Usage:"},
        {noDisplay, Quoted(m_file), 1, "Norv2: 画面に接続できません DISPLAY=:7391\n"},
        {noDisplay, "--chart " + Quoted(out) + " " + Quoted(m_file), 0, ""},
        {"", "--chart " + Quoted(out) + " --device-pixel-ratio 4 " + Quoted(m_file), 0, ""}, // the top ratio
        {"", "--periods --device-pixel-ratio 2 " + Quoted(m_file), 2, "Usage:"},
        {"", "--chart " + Quoted(out) + " --device-pixel-ratio 1e-300 " + Quoted(m_file), 2, "Usage:"},
        {"", "--chart " + Quoted(out) + " --size 80000x4096 --device-pixel-ratio 4 " + Quoted(m_file), 2,
         "100,000,000"},
        {"", "--chart " + Quoted(m_file) + " " + Quoted(m_file), 2, "記録ファイルそのもの"},
        {"", "--periods " + Quoted(m_dir.File("none.ｷﾛｸ")), 1, std::string("(") + std::strerror(ENOENT) + ")"},
    };
    for (const Case& c : cases) {
        std::filesystem::remove(out);
        const ProcessResult r = Shell(c.prefix + NORV2_BINARY + " " + c.args + " 2>" + Quoted(m_dir.File("err.txt")));
        EXPECT_EQ(r.nExit, c.nExit) << c.args << "\n" << Stderr();
        if (c.said.ends_with('\n')) // a line that stands alone
            EXPECT_EQ(Stderr(), c.said);
        else
            EXPECT_NE(Stderr().find(c.said), std::string::npos) << c.args << "\n" << Stderr();
        EXPECT_EQ(std::filesystem::exists(out), c.nExit == 0) << c.args;
    }
    EXPECT_TRUE(m_dir.Read("はなこ.ｷﾛｸ") == record);
}

TEST_F(ReportEndToEnd, AWriteProtectedPictureIsLeftAlone)
{
    const std::optional<std::string> prefix = UnprivilegedPrefix();
    if (!prefix)
        GTEST_SKIP() << "no unprivileged user to run as";
    const std::string out = m_dir.Write("o.png", "kept");
    ASSERT_EQ(::chmod(m_dir.File("").c_str(), 0777), 0);
    ASSERT_EQ(::chmod(out.c_str(), 0444), 0);
    const ProcessResult r = Shell(*prefix + NORV2_BINARY + " --chart " + Quoted(out) + " " + Quoted(m_file) + " 2>&1");
    EXPECT_EQ(r.nExit, 1);
    EXPECT_NE(r.out.find(std::strerror(EACCES)), std::string::npos) << r.out;
    EXPECT_TRUE(m_dir.Read("o.png") == "kept");
}

TEST_F(ReportEndToEnd, AFifoIsRefusedWithoutWaiting)
{
    const std::string fifo = m_dir.File("fifo.ｷﾛｸ");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    ProcessResult r = Shell("timeout 20 " + std::string(NORV2_BINARY) + " --periods " + Quoted(fifo) + " 2>&1");
    EXPECT_EQ(r.nExit, 1);
    EXPECT_NE(r.out.find("通常のファイルではありません"), std::string::npos) << r.out;

    // A FIFO as the settings file is no settings file.
    std::filesystem::create_directories(m_dir.File("config/Norv"));
    ASSERT_EQ(::mkfifo(m_dir.File("config/Norv/Norv2.conf").c_str(), 0600), 0);
    r = Shell("timeout 20 " + std::string(NORV2_BINARY) + " --board 2025-02-12 " + Quoted(m_file) + " 2>&1");
    EXPECT_EQ(r.nExit, 0) << r.out;
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

TEST_F(ReportEndToEnd, SignalsAndALostDisplayEndTheViewerAsClosingItDoes)
{
    // The viewer in the background (where sh ignores SIGINT) until its socket is there, ended by
    // the command given ($p is the viewer); then its exit status, its lock and socket if left
    // behind, and the user saved. A viewer that does not end is killed at the timeout, and nothing
    // left running holds the output, so the test fails rather than hangs.
    const auto run = [this](const std::string& display, const std::string& end) {
        std::filesystem::remove_all(m_dir.File("config"));
        std::filesystem::remove_all(m_dir.File("run"));
        const std::string script = m_dir.Write(
            "end.sh", "trap 'kill -9 $p $x; exit 1' TERM\nmkdir -m 700 run\n" + display +
                          " XDG_RUNTIME_DIR=$PWD/run env --default-signal=INT,HUP " + NORV2_BINARY + " --no-splash " +
                          Quoted(m_file) + " >/dev/null 2>&1 & p=$!\n" +
                          "while [ ! -S run/Norv2.socket ]; do sleep 0.05; done\n" + end + "\nwait $p; echo $?\n" +
                          "ls run | grep Norv2; grep -c UserName=はなこ config/Norv/Norv2.conf\n");
        return Shell("cd " + Quoted(m_dir.File("")) + " && timeout 60 sh " + Quoted(script)).out;
    };
    for (const char* signal : {"TERM", "INT", "HUP"})
        EXPECT_EQ(run("QT_QPA_PLATFORM=offscreen", std::string("kill -") + signal + " $p"), "0\n1\n") << signal;

    if (Shell("command -v Xvfb").nExit != 0)
        GTEST_SKIP() << "no Xvfb";
    // Xlib ends the program when the X server goes away; the settings are saved all the same. The
    // window is waited for: while it is being made, the menu bar asks the session bus, which
    // without an address is started for the X server and goes with it, leaving the call unanswered.
    // Ended from inside Xlib, the program leaves Qt's objects behind, which is no leak.
    const std::string out =
        run("Xvfb -displayfd 3 -nolisten tcp 3>display >/dev/null 2>&1 & x=$!\n"
            "while [ ! -s display ]; do sleep 0.05; done\n"
            "ASAN_OPTIONS=detect_leaks=0 QT_QPA_PLATFORM=xcb DISPLAY=:$(cat display)",
            "until xwininfo -display :$(cat display) -root -tree | grep -q '\"Norv'; do sleep 0.05; done\n"
            "kill $x");
    EXPECT_EQ(out, "1\n1\n");
}
