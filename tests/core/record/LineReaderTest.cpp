#include "core/record/LineReader.h"

#include <cstdint>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <string_view>
#include <unistd.h>
#include <vector>

#include "tests/support/RecordLines.h"
#include "tests/support/TempDir.h"

namespace {

// Closes the descriptor on every path out.
class CFile
{
public:
    explicit CFile(const std::string& path) : m_fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC)) {}
    ~CFile() { ::close(m_fd); }
    CFile(const CFile&) = delete;
    CFile& operator=(const CFile&) = delete;
    int Get() const { return m_fd; }

private:
    int m_fd;
};

// The lines as the reader is to hand them out: up to LF, one CR before it dropped, anything
// longer than 46 bytes cut to 45; after the last LF the rest, however short.
std::vector<std::string> ExpectedLines(std::string_view bytes)
{
    std::vector<std::string> lines;
    for (std::size_t pos = 0;;) {
        const std::size_t lf = bytes.find('\n', pos);
        std::string_view line = bytes.substr(pos, lf == std::string_view::npos ? std::string_view::npos : lf - pos);
        if (line.size() > 46)
            line = line.substr(0, 45);
        else if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        lines.emplace_back(line);
        if (lf == std::string_view::npos)
            return lines;
        pos = lf + 1;
    }
}

// Records, other lines of any length up to far beyond a read chunk, CR and NUL bytes.
std::string MixedBytes(std::uint32_t nSeed, std::size_t nBytes)
{
    std::mt19937 rng(nSeed);
    const auto below = [&rng](int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); };
    std::string out;
    while (out.size() < nBytes) {
        const int nKind = below(100);
        if (nKind < 70) {
            out += RecordLine('A', 2003, 5, 1 + below(28), below(1000), below(100)) + (below(10) ? "\r\n" : "\n");
        } else if (nKind < 97) {
            std::string line(static_cast<std::size_t>(below(60)), 'x');
            for (char& c : line)
                c = "ab \r\0\x85"[below(6)];
            out += line + '\n';
        } else {
            out += std::string(static_cast<std::size_t>(1000 + below(700000)), 'y') + (below(2) ? "\r\n" : "\n");
        }
    }
    out += "A 2003-05-11"; // a last line without LF
    return out;
}

// Reads every line there is; every third that is a whole record straight from the buffer.
std::vector<std::string> ReadAll(CLineReader& reader, std::size_t nLines)
{
    std::vector<std::string> lines;
    while (lines.size() < nLines) {
        const std::string_view buffered = reader.Buffered();
        if (lines.size() % 3 == 0 && buffered.size() >= 46 && buffered.substr(44, 2) == "\r\n" &&
            buffered.substr(0, 44).find('\n') == std::string_view::npos) {
            lines.emplace_back(buffered.substr(0, 44));
            reader.Skip(46);
            continue;
        }
        std::string_view line;
        if (!reader.Next(line)) {
            ADD_FAILURE() << "read error after " << lines.size() << " lines";
            break;
        }
        lines.emplace_back(line);
    }
    return lines;
}

TEST(LineReader, MixedLineEndsAcrossChunks)
{
    CTempDir dir;
    for (std::uint32_t nSeed : {1u, 2u, 3u}) {
        const std::string bytes = MixedBytes(nSeed, 3u << 20);
        const std::string path = dir.Write("mixed", bytes);
        const std::vector<std::string> expected = ExpectedLines(bytes);
        {
            const CFile file(path);
            CLineReader reader(file.Get());
            const std::string context = "seed " + std::to_string(nSeed);
            const std::vector<std::string> lines = ReadAll(reader, expected.size());
            ASSERT_EQ(lines.size(), expected.size()) << context;
            for (std::size_t i = 0; i < lines.size(); ++i)
                ASSERT_EQ(lines[i], expected[i]) << context << ", line " << i;
            // At the end of the file, empty lines, again and again.
            std::string_view line = "x";
            for (int i = 0; i < 3; ++i) {
                ASSERT_TRUE(reader.Next(line)) << context;
                EXPECT_TRUE(line.empty()) << context;
            }
            EXPECT_EQ(reader.BytesRead(), bytes.size()) << context;
        }
    }
}

TEST(LineReader, ReadErrorsStayErrors)
{
    CTempDir dir;
    // A directory opens for reading but cannot be read.
    const CFile directory(dir.File(""));
    CLineReader broken(directory.Get());
    std::string_view line;
    EXPECT_FALSE(broken.Next(line));
    EXPECT_FALSE(broken.Next(line));
}

} // namespace
