#include "norv2/ChartExport.h"

#include <QImage>
#include <QString>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <gtest/gtest.h>
#include <sstream>
#include <sys/stat.h>

#include "core/settings/AppSetting.h"
#include "gui/chart/ChartPainter.h"
#include "tests/support/RecordLines.h"
#include "tests/support/TempDir.h"

namespace {
struct ExportResult
{
    int nExit;
    std::string err;
};

class ChartExportTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        setenv("TZ", "Asia/Tokyo", 1);
        tzset();
        m_setting.m_ChartColor.fill({RGB(0, 0, 0), RGB(0, 128, 0), RGB(0, 0, 255), RGB(255, 0, 0)});
        LOGFONT lf;
        lf.lfHeight = -12;
        lf.SetFaceNameBytes("IPAGothic");
        m_setting.m_pChartFont = std::make_unique<LOGFONT>(lf);
        m_file = m_dir.Write("u.ｷﾛｸ", Records(1, 60));
        m_out = m_dir.File("chart.png");
    }

    ExportResult Run(const std::vector<std::string>& args)
    {
        std::ostringstream err;
        const int nExit = ExportChartPng(args, m_setting, err);
        return {nExit, err.str()};
    }

    QImage Written() const { return QImage(QString::fromStdString(m_out), "PNG"); }

    CAppSetting m_setting;
    CTempDir m_dir;
    std::string m_file;
    std::string m_out;
};
} // namespace

TEST_F(ChartExportTest, WritesTheWholeChartAsPng)
{
    const ExportResult r = Run({"--chart", m_out, m_file});
    EXPECT_EQ(r.nExit, 0) << r.err;
    EXPECT_EQ(r.err, "");
    const QImage image = Written();
    EXPECT_EQ(image.size(), QSize(1058, 400)); // 50 daily bars are wider than 800
    EXPECT_EQ(image.pixelColor(0, 100), QColor(0, 128, 0));

    ASSERT_EQ(Run({m_file, "--scale", "monthly", "--size", "640x300", "--chart", m_out, "--category", "alph"}).nExit,
              0);
    EXPECT_EQ(Written().size(), QSize(640, 300));
    ASSERT_EQ(Run({"--chart", m_out, "--size", "640x300", "--device-pixel-ratio", "1.5", m_file}).nExit, 0);
    EXPECT_EQ(Written().size(), QSize(1587, 450));
    EXPECT_TRUE(IsChartExportCommand({"x", "--chart", "y"}));
    EXPECT_FALSE(IsChartExportCommand({"--periods", "y"}));
}

TEST_F(ChartExportTest, BadArgumentsPrintTheUsage)
{
    const std::vector<std::vector<std::string>> cases = {
        {m_file},
        {"--chart", m_out},
        {"--chart", m_out, m_file, m_file},
        {"--chart", m_out, "--scale", "yearly", m_file},
        {"--chart", m_out, "--category", "kanji", m_file},
        {"--chart", m_out, "--size", "0x400", m_file},
        {"--chart", m_out, "--size", "800x400x2", m_file},
        {"--chart", m_out, "--size", "800x99999", m_file},
        {"--chart", m_out, "--size", "99999999999x400", m_file},
        {"--chart", m_out, "--device-pixel-ratio", "0", m_file},
        {"--chart", m_out, "--device-pixel-ratio", "4.5", m_file},
        {"--chart", m_out, "--device-pixel-ratio", "2x", m_file},
    };
    for (const auto& args : cases) {
        const ExportResult r = Run(args);
        EXPECT_EQ(r.nExit, 2) << args.size();
        EXPECT_TRUE(r.err.starts_with("Usage:\n")) << r.err;
    }
    EXPECT_FALSE(std::filesystem::exists(m_out));
}

TEST_F(ChartExportTest, UnusableFilesAndChartsFailWithoutWriting)
{
    ExportResult r = Run({"--chart", m_out, m_dir.File("missing.ｷﾛｸ")});
    EXPECT_EQ(r.nExit, 1);
    EXPECT_NE(r.err.find("ファイルを開けません"), std::string::npos) << r.err;

    const std::string broken = m_dir.Write("b.ｷﾛｸ", Records(1, 2) + RecordLine('?', 2003, 5, 3, 1, 1) + "\r\n");
    r = Run({"--chart", m_out, broken});
    EXPECT_EQ(r.nExit, 1);
    EXPECT_FALSE(r.err.starts_with("Norv2 からのお知らせ")) << r.err;

    r = Run({"--chart", m_out, "--category", "kana", m_file});
    EXPECT_EQ(r.nExit, 1);
    r = Run({"--chart", m_out, "--size", "800x30", m_file}); // too low for four lines of text
    EXPECT_EQ(r.nExit, 1);
    EXPECT_FALSE(std::filesystem::exists(m_out));

    r = Run({"--chart", m_dir.File("no-such-dir/chart.png"), m_file});
    EXPECT_EQ(r.nExit, 1);
    EXPECT_NE(r.err.find("書き込めません"), std::string::npos) << r.err;
}

TEST_F(ChartExportTest, TheTargetIsWrittenAsNamedAndOnlyOverARegularFile)
{
    const std::string fifo = m_dir.File("fifo.png");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_EQ(Run({"--chart", fifo, m_file}).nExit, 1);
    EXPECT_TRUE(std::filesystem::is_fifo(fifo));

    const std::string name = m_dir.File("out\xff.png");
    EXPECT_EQ(Run({"--chart", name, m_file}).nExit, 0);
    EXPECT_TRUE(std::filesystem::is_regular_file(name));
}

TEST_F(ChartExportTest, WithoutRegisteredSettingsTheStoredOnesAreUsed)
{
    std::ostringstream err;
    EXPECT_EQ(ExportChartPng({"--chart", m_out, m_file}, err), 0) << err.str();
    EXPECT_EQ(Written().height(), 400);
    EXPECT_GE(Written().width(), 800);
}
