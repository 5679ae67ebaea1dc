#include "core/record/LineScanner.h"

#include <array>
#include <cstdio>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <string_view>

using namespace std::string_view_literals;

namespace {

constexpr char kFormat[] = "%c %d-%d-%d  %d:%d:%d   HIT: %d  MISS: %d";
// The same steps with single blanks: never the fixed-layout shortcut, always the general reader.
constexpr char kGeneralFormat[] = "%c %d-%d-%d %d:%d:%d HIT: %d MISS: %d";

constexpr int kLines = 1'000'000;
constexpr int kMaxReports = 5;

// Bytes that mean something to the format, and a few that only look as if they might.
constexpr std::string_view kTelling = " \t\n\v\f\r0123456789+-:HITMS%AR!\xB1\x85\xA0\xFF\0Oxhitms\x1C\x7F"sv;

class CLineMaker
{
public:
    explicit CLineMaker(std::uint32_t nSeed) : m_rng(nSeed) {}

    std::string Next()
    {
        const int nKind = Below(100);
        if (nKind < 30)
            return Canonical();
        if (nKind < 55)
            return Edited(Below(3) == 0 ? Pieces() : Canonical());
        if (nKind < 80)
            return Pieces();
        if (nKind < 90)
            return Noise();
        std::string line = Below(2) == 0 ? Canonical() : Pieces();
        line.insert(line.begin() + Below(static_cast<int>(line.size()) + 1), '\0');
        return line;
    }

private:
    int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_rng); }
    bool OneIn(int n) { return Below(n) == 0; }
    char AnyByte() { return static_cast<char>(Below(256)); }
    char Telling() { return kTelling[Below(static_cast<int>(kTelling.size()))]; }
    char SomeByte() { return OneIn(3) ? AnyByte() : Telling(); }

    char Mark()
    {
        static constexpr char marks[] = {'A', '\xB1', 'R', '!'};
        return OneIn(8) ? SomeByte() : marks[Below(4)];
    }

    // The layout Vesk writes: 44 bytes, hits and misses right-aligned in four columns.
    std::string Canonical()
    {
        // One draw per statement, so that the lines do not depend on the compiler's argument order.
        int n[8];
        n[0] = OneIn(4) ? Below(10000) : 1990 + Below(50);
        for (int i = 1; i < 6; ++i)
            n[i] = Below(100);
        n[6] = Upto(1 + Below(4));
        n[7] = Upto(1 + Below(4));
        char buf[64];
        std::snprintf(buf, sizeof buf, "A %04d-%02d-%02d  %02d:%02d:%02d   HIT:%4d  MISS:%4d", n[0], n[1], n[2], n[3],
                      n[4], n[5], n[6], n[7]);
        std::string line(buf);
        line[0] = Mark();
        return line;
    }

    int Upto(int nDigits)
    {
        static constexpr int limits[] = {1, 10, 100, 1000, 10000};
        return Below(limits[nDigits]);
    }

    // Flips, insertions and deletions of a few bytes.
    std::string Edited(std::string line)
    {
        for (int n = 1 + Below(3); n > 0; --n) {
            const int nAt = Below(static_cast<int>(line.size()) + 1);
            const int nEdit = line.empty() ? 1 : Below(3);
            if (nEdit == 0 && nAt < static_cast<int>(line.size()))
                line[nAt] = SomeByte();
            else if (nEdit == 1)
                line.insert(line.begin() + nAt, SomeByte());
            else if (nAt < static_cast<int>(line.size()))
                line.erase(line.begin() + nAt);
        }
        return line;
    }

    std::string Space()
    {
        static constexpr std::string_view spaces = " \t\n\v\f\r";
        std::string text;
        for (int n = Below(4); n > 0; --n)
            text += OneIn(4) ? spaces[Below(6)] : ' ';
        return text;
    }

    std::string Number()
    {
        std::string text = Space();
        if (OneIn(4))
            text += "+-"[Below(2)];
        if (OneIn(30))
            text += "+-"[Below(2)];
        int nDigits = OneIn(20) ? 0 : 1 + Below(4);
        if (OneIn(25))
            nDigits = 9 + Below(15); // around and beyond the int range
        if (OneIn(15))
            text += std::string(1 + Below(12), '0');
        for (; nDigits > 0; --nDigits)
            text += static_cast<char>('0' + Below(10));
        return text;
    }

    std::string Literal(std::string_view text)
    {
        std::string piece(text);
        if (OneIn(12))
            piece[Below(static_cast<int>(piece.size()))] = SomeByte();
        if (OneIn(40))
            piece.erase(Below(static_cast<int>(piece.size())), 1);
        return piece;
    }

    // The format's pieces with free white space, signs and widths; now and then two swap
    // places, one goes missing or one comes twice, and the line may be cut or run on.
    std::string Pieces()
    {
        std::array<std::string, 20> pieces = {
            std::string(1, Mark()),
            Space(),
            Number(),
            Literal("-"),
            Number(),
            Literal("-"),
            Number(),
            Space(),
            Number(),
            Literal(":"),
            Number(),
            Literal(":"),
            Number(),
            Space(),
            Literal("HIT:"),
            Number(),
            Space(),
            Literal("MISS:"),
            Number(),
            std::string(),
        };
        if (OneIn(4)) {
            const int a = Below(20), b = Below(20);
            std::swap(pieces[a], pieces[b]);
        }
        if (OneIn(8))
            pieces[Below(20)].clear();
        if (OneIn(8))
            pieces[Below(20)] += pieces[Below(20)];
        if (OneIn(6))
            pieces[19] = OneIn(2) ? Number() : Noise();
        std::string line;
        for (const std::string& piece : pieces)
            line += piece;
        if (OneIn(6))
            line.resize(Below(static_cast<int>(line.size()) + 1));
        return line;
    }

    std::string Noise()
    {
        const int nLength = OneIn(2) ? Below(8) : OneIn(2) ? 40 + Below(10) : Below(200);
        std::string line;
        const bool bTelling = !OneIn(4);
        for (int i = 0; i < nLength; ++i)
            line += bTelling ? Telling() : AnyByte();
        return line;
    }

    std::mt19937 m_rng;
};

constexpr int kUnset = -99;

ScannedLine Unset()
{
    ScannedLine s;
    s.cMark = '?';
    s.nYear = s.nMonth = s.nDay = s.nHour = s.nMinute = s.nSecond = s.nHit = s.nMiss = kUnset;
    return s;
}

// Fields nobody converted keep their starting value on both sides, so all of them compare.
bool SameFields(const ScannedLine& a, const ScannedLine& b)
{
    return a.cMark == b.cMark && a.nYear == b.nYear && a.nMonth == b.nMonth && a.nDay == b.nDay && a.nHour == b.nHour &&
           a.nMinute == b.nMinute && a.nSecond == b.nSecond && a.nHit == b.nHit && a.nMiss == b.nMiss;
}

std::string Escaped(std::string_view line)
{
    std::string text;
    for (unsigned char c : line) {
        char buf[8];
        std::snprintf(buf, sizeof buf, c >= 0x20 && c < 0x7F && c != '\\' ? "%c" : "\\x%02X", c);
        text += buf;
    }
    return text;
}

std::string Described(const ScannedLine& s, int nReturn)
{
    char buf[160];
    std::snprintf(buf, sizeof buf, "%d: mark 0x%02X, %d %d %d, %d %d %d, hit %d miss %d%s", nReturn,
                  static_cast<unsigned char>(s.cMark), s.nYear, s.nMonth, s.nDay, s.nHour, s.nMinute, s.nSecond, s.nHit,
                  s.nMiss, s.bOverflow ? " (overflow)" : "");
    return buf;
}

TEST(LineScannerDiff, AgreesWithSscanfOnGeneratedLines)
{
    const CLineScanner scanner(kFormat);
    const CLineScanner general(kGeneralFormat);
    CLineMaker maker(20240611u);

    std::array<int, 11> returns{}; // how often sscanf returned -1 .. 9
    int nOverflows = 0, nReports = 0;
    for (int i = 0; i < kLines && nReports < kMaxReports; ++i) {
        const std::string line = maker.Next(); // c_str() is the NUL-terminated copy sscanf reads
        ScannedLine theirs = Unset();
        const int nTheirs =
            std::sscanf(line.c_str(), kFormat, &theirs.cMark, &theirs.nYear, &theirs.nMonth, &theirs.nDay,
                        &theirs.nHour, &theirs.nMinute, &theirs.nSecond, &theirs.nHit, &theirs.nMiss);
        ASSERT_TRUE(nTheirs >= -1 && nTheirs <= 9);
        ++returns[nTheirs + 1];

        for (const CLineScanner* pScanner : {&scanner, &general}) {
            ScannedLine ours = Unset();
            const int nOurs = pScanner->Scan(line, ours);
            // sscanf's value for such a number is not defined: only the count must agree.
            if (ours.bOverflow && pScanner == &scanner)
                ++nOverflows;
            if (nOurs == nTheirs && (ours.bOverflow || SameFields(ours, theirs)))
                continue;
            ADD_FAILURE() << (pScanner == &scanner ? "" : "general reader, ") << "line \"" << Escaped(line)
                          << "\"\n  sscanf " << Described(theirs, nTheirs) << "\n  Scan   " << Described(ours, nOurs);
            ++nReports;
            break;
        }
    }

    // The generator must keep reaching every outcome, or the comparison proves little.
    if (nReports != 0)
        return; // stopped early: the counts say nothing
    for (int n = -1; n <= 9; ++n) {
        if (n != 0) { // %c always takes a byte when there is one
            EXPECT_GT(returns[n + 1], 0) << "no line made sscanf return " << n;
        }
    }
    EXPECT_GT(returns[10], kLines / 5) << "too few lines read in full";
    EXPECT_GT(nOverflows, 0);
}

} // namespace
