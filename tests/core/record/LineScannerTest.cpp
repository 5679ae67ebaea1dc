#include "core/record/LineScanner.h"
#include "core/res/StringTable.h"

#include <array>
#include <climits>
#include <cstdio>
#include <gtest/gtest.h>
#include <string>

using namespace std::string_literals;

namespace {

constexpr char kFormat[] = "%c %d-%d-%d  %d:%d:%d   HIT: %d  MISS: %d";
constexpr int kUnset = -99;

struct FIELDS
{
    char cMark;
    std::array<int, 8> numbers; // year, month, day, hour, minute, second, hit, miss
};

std::array<int, 8> NumbersOf(const ScannedLine& s)
{
    return {s.nYear, s.nMonth, s.nDay, s.nHour, s.nMinute, s.nSecond, s.nHit, s.nMiss};
}

ScannedLine Unset()
{
    ScannedLine s;
    s.cMark = '?';
    s.nYear = s.nMonth = s.nDay = s.nHour = s.nMinute = s.nSecond = s.nHit = s.nMiss = kUnset;
    return s;
}

// What sscanf makes of the same bytes, from the same starting values.
int Sscanf(const std::string& line, ScannedLine& s)
{
    return std::sscanf(line.c_str(), kFormat, &s.cMark, &s.nYear, &s.nMonth, &s.nDay, &s.nHour, &s.nMinute, &s.nSecond,
                       &s.nHit, &s.nMiss);
}

std::string Escaped(const std::string& line)
{
    std::string text;
    for (unsigned char c : line) {
        char buf[8];
        std::snprintf(buf, sizeof buf, c >= 0x20 && c < 0x7F ? "%c" : "\\x%02X", c);
        text += buf;
    }
    return text;
}

constexpr int U = kUnset;

TEST(LineScanner, RecordFormatIsStringTableEntry160)
{
    // The fast reading of Vesk's lines depends on the format being exactly this text.
    ASSERT_TRUE(FindStringEntry(160).has_value());
    EXPECT_EQ(*FindStringEntry(160), kFormat);
}

TEST(LineScanner, ReadsLinesAsSscanfDoes)
{
    struct Row
    {
        std::string line;
        int nReturn;
        FIELDS fields;
        bool bOverflow = false;
    };
    const Row rows[] = {
        // The layout Vesk writes, and the same numbers in other widths within 44 bytes.
        {"A 2003-05-11  12:34:56   HIT: 123  MISS:  12", 9, {'A', {2003, 5, 11, 12, 34, 56, 123, 12}}},
        {"\xB1 2025-01-06  20:32:30   HIT:  89  MISS:  14", 9, {'\xB1', {2025, 1, 6, 20, 32, 30, 89, 14}}},
        {"R 0000-00-00  00:00:00   HIT:9999  MISS:   0", 9, {'R', {0, 0, 0, 0, 0, 0, 9999, 0}}},
        {"A 2003-5-1  2:3:4   HIT:  12345  MISS:   678", 9, {'A', {2003, 5, 1, 2, 3, 4, 12345, 678}}},
        {"A 03-05-11  12:34:56   HIT: 123  MISS:   -12", 9, {'A', {3, 5, 11, 12, 34, 56, 123, -12}}},
        // Near misses of that layout: a blank inside or all through a number, a tab before one.
        {"A 2003-05-11  12:34:56   HIT: 1 3  MISS:  12", 8, {'A', {2003, 5, 11, 12, 34, 56, 1, U}}},
        {"A 2003-05-11  12:34:56   HIT:      MISS:  12", 7, {'A', {2003, 5, 11, 12, 34, 56, U, U}}},
        {"A 2003-05-11  12:34:56   HIT:\t123  MISS:  12", 9, {'A', {2003, 5, 11, 12, 34, 56, 123, 12}}},
        // A blank in the format matches no blank, or any run of white space.
        {"A2003-05-11 12:34:56 HIT:123 MISS:12", 9, {'A', {2003, 5, 11, 12, 34, 56, 123, 12}}},
        {"!\t2003-05-11\r\n12:34:56\v\fHIT:\t1  MISS:\n2", 9, {'!', {2003, 5, 11, 12, 34, 56, 1, 2}}},
        // Signs and white space before a number, but not before a literal.
        {"A+2003-+5-+11  12:34:56   HIT:+123  MISS:-12", 9, {'A', {2003, 5, 11, 12, 34, 56, 123, -12}}},
        {"A 2003- \t5-11  12:34:56   HIT: 1  MISS: 2", 9, {'A', {2003, 5, 11, 12, 34, 56, 1, 2}}},
        {"A 2003 -05-11  12:34:56   HIT: 123  MISS:  12", 2, {'A', {2003, U, U, U, U, U, U, U}}},
        {"A 2003-+-5-11", 2, {'A', {2003, U, U, U, U, U, U, U}}},
        {"A 2003-- 5", 2, {'A', {2003, U, U, U, U, U, U, U}}},
        {"A 2003-0x5-1", 3, {'A', {2003, 0, U, U, U, U, U, U}}},
        // %c takes the very first byte, even a blank.
        {"  2003-05-11  12:34:56   HIT: 123  MISS:  12", 9, {' ', {2003, 5, 11, 12, 34, 56, 123, 12}}},
        {" A 2003", 1, {' ', {U, U, U, U, U, U, U, U}}},
        // Bytes after the last number are ignored, unless they are more of its digits.
        {"A 2003-05-11  12:34:56   HIT: 123  MISS:  12 and so on", 9, {'A', {2003, 5, 11, 12, 34, 56, 123, 12}}},
        {"A 2003-05-11  12:34:56   HIT: 123  MISS:  127", 9, {'A', {2003, 5, 11, 12, 34, 56, 123, 127}}},
        // A misspelt literal ends the reading at that point.
        {"A 2003-05-11  12:34:56   HlT: 123  MISS:  12", 7, {'A', {2003, 5, 11, 12, 34, 56, U, U}}},
        {"A 2003-05-11  12:34:56   HIT: 123  MISS;  12", 8, {'A', {2003, 5, 11, 12, 34, 56, 123, U}}},
        {"A 2003-05-11  12:34:56   hit: 123  MISS:  12", 7, {'A', {2003, 5, 11, 12, 34, 56, U, U}}},
        // A NUL byte ends the input: before the first conversion that is EOF.
        {"A 2003-05-11  12:34:56   HIT: 1\0"
         "23  MISS:  12"s,
         8,
         {'A', {2003, 5, 11, 12, 34, 56, 1, U}}},
        {"A 20\0"
         "03-05-11  12:34:56   HIT: 123  MISS:  12"s,
         2,
         {'A', {20, U, U, U, U, U, U, U}}},
        {"\0 2003-05-11  12:34:56   HIT: 123  MISS:  12"s, -1, {'?', {U, U, U, U, U, U, U, U}}},
        // Input that ends early: EOF only before the first conversion.
        {"", -1, {'?', {U, U, U, U, U, U, U, U}}},
        {"A", 1, {'A', {U, U, U, U, U, U, U, U}}},
        {"                                            ", 1, {' ', {U, U, U, U, U, U, U, U}}},
        {"A -", 1, {'A', {U, U, U, U, U, U, U, U}}},
        {"A 2003-05-11  12:34:56   HIT: 123  MISS:", 8, {'A', {2003, 5, 11, 12, 34, 56, 123, U}}},
        // The int range; numbers beyond it are flagged, and their values are not checked.
        {"A -2147483648-2147483647-0  0:0:0 HIT:0 MISS:0", 9, {'A', {INT_MIN, INT_MAX, 0, 0, 0, 0, 0, 0}}},
        {"A 000000000000000000000000002003-1-1", 4, {'A', {2003, 1, 1, U, U, U, U, U}}},
        {"A 2147483648-05-11  12:34:56   HIT: 123  MISS:  12", 9, {}, true},
        {"A -2147483649-05-11", 4, {}, true},
        {"A 2003-05-11  12:34:56   HIT: 123  MISS: -99999999999999999999999", 9, {}, true},
    };
    const CLineScanner scanner(kFormat);
    for (const Row& r : rows) {
        ScannedLine ours = Unset();
        ours.bOverflow = true; // a reused result must not keep an old flag
        const int nReturn = scanner.Scan(r.line, ours);
        ScannedLine theirs = Unset();
        const int nTheirs = Sscanf(r.line, theirs);
        const std::string what = Escaped(r.line);
        EXPECT_EQ(nReturn, r.nReturn) << what;
        EXPECT_EQ(nTheirs, nReturn) << what;
        EXPECT_EQ(ours.bOverflow, r.bOverflow) << what;
        if (r.bOverflow)
            continue;
        EXPECT_EQ(ours.cMark, r.fields.cMark) << what;
        EXPECT_EQ(NumbersOf(ours), r.fields.numbers) << what;
        EXPECT_EQ(theirs.cMark, ours.cMark) << what;
        EXPECT_EQ(NumbersOf(theirs), NumbersOf(ours)) << what;
    }
}

TEST(LineScanner, ReadsOtherFormatsOfTheSameDirectives)
{
    struct Row
    {
        const char* format;
        std::string line;
        int nReturn;
        std::array<int, 3> numbers;
    };
    const Row rows[] = {
        // "%%" skips white space before its '%' like any conversion.
        {"%d%%%d", "7  %9", 2, {7, 9, U}},
        {"%d%%%d", "7 #9", 1, {7, U, U}},
        // A suppressed conversion reads but is not counted, not even against EOF.
        {"%*d %d %d", "1 2 3", 2, {2, 3, U}},
        {"%*d-%d", "5", -1, {U, U, U}},
        {"%*d%d", "5-", 0, {U, U, U}},
        // A width counts the sign but not the white space before it.
        {"%2d%d%d", "  -123 4", 3, {-1, 23, 4}},
        {"%1d%d", "-123", 0, {U, U, U}},
        {"%3d%d", "12345", 2, {123, 45, U}},
        // A lone sign is no number even at the end of the input; a missing one is EOF.
        {"%d", "+", 0, {U, U, U}},
        {"%d", " \t", -1, {U, U, U}},
        {"x%d", "", -1, {U, U, U}},
        {"x%d", "y", 0, {U, U, U}},
        // Trailing white space in the format asks for nothing.
        {"%d %d ", "1 2", 2, {1, 2, U}},
    };
    for (const Row& r : rows) {
        const CLineScanner scanner(r.format);
        ScannedLine ours = Unset();
        const int nReturn = scanner.Scan(r.line, ours);
        ScannedLine theirs = Unset();
        const int nTheirs = std::sscanf(r.line.c_str(), r.format, &theirs.nYear, &theirs.nMonth, &theirs.nDay);
        const std::string what = std::string(r.format) + " on " + Escaped(r.line);
        EXPECT_EQ(nReturn, r.nReturn) << what;
        EXPECT_EQ((std::array{ours.nYear, ours.nMonth, ours.nDay}), r.numbers) << what;
        EXPECT_EQ(nTheirs, nReturn) << what;
        EXPECT_EQ(NumbersOf(theirs), NumbersOf(ours)) << what;
    }

    // " %c" skips white space first, "%c" does not.
    const CLineScanner skipping(" %c%d");
    ScannedLine s = Unset();
    EXPECT_EQ(skipping.Scan("\t\n x7", s), 2);
    EXPECT_EQ(s.cMark, 'x');
    EXPECT_EQ(s.nYear, 7);
}

TEST(LineScanner, StopsAtDirectivesItCannotStore)
{
    ScannedLine s = Unset();
    // Conversions other than %c and %d, a second %c, a ninth %d: the format ends there.
    EXPECT_EQ(CLineScanner("%d %s %d").Scan("1 abc 2", s), 1);
    EXPECT_EQ(CLineScanner("%d %ld").Scan("1 2", s), 1);
    EXPECT_EQ(CLineScanner("%c%c").Scan("ab", s), 1);
    EXPECT_EQ(CLineScanner("%d%").Scan("1%", s), 1);
    EXPECT_EQ(CLineScanner("%d %d %d %d %d %d %d %d %d").Scan("1 2 3 4 5 6 7 8 9", s), 8);
    EXPECT_EQ(s.nMiss, 8);
    EXPECT_EQ(CLineScanner("").Scan("anything", s), 0);
    // A NUL in the format ends it, as it would for sscanf.
    EXPECT_EQ(CLineScanner("%d\0%d"s).Scan("1 2", s), 1);
}

} // namespace
