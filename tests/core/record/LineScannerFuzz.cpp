// Fuzz target: Scan must agree with sscanf on any line, through the fixed-layout
// shortcut and through the general reader alike.
#include "core/record/LineScanner.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

constexpr char kFormat[] = "%c %d-%d-%d  %d:%d:%d   HIT: %d  MISS: %d";
// The same steps with single blanks, which the shortcut does not serve.
constexpr char kGeneralFormat[] = "%c %d-%d-%d %d:%d:%d HIT: %d MISS: %d";

ScannedLine Unset()
{
    ScannedLine s;
    s.cMark = '?';
    s.nYear = s.nMonth = s.nDay = s.nHour = s.nMinute = s.nSecond = s.nHit = s.nMiss = -99;
    return s;
}

bool SameFields(const ScannedLine& a, const ScannedLine& b)
{
    return a.cMark == b.cMark && a.nYear == b.nYear && a.nMonth == b.nMonth && a.nDay == b.nDay && a.nHour == b.nHour &&
           a.nMinute == b.nMinute && a.nSecond == b.nSecond && a.nHit == b.nHit && a.nMiss == b.nMiss;
}

[[noreturn]] void Mismatch(const std::string& line, const char* reader, int nTheirs, int nOurs)
{
    std::fprintf(stderr, "%s reader returned %d, sscanf %d, on \"", reader, nOurs, nTheirs);
    for (unsigned char c : line)
        std::fprintf(stderr, c >= 0x20 && c < 0x7F && c != '\\' ? "%c" : "\\x%02X", c);
    std::fprintf(stderr, "\"\n");
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const CLineScanner scanner(kFormat);
    static const CLineScanner general(kGeneralFormat);

    const std::string line(reinterpret_cast<const char*>(data), size); // c_str() ends it for sscanf
    ScannedLine theirs = Unset();
    const int nTheirs = std::sscanf(line.c_str(), kFormat, &theirs.cMark, &theirs.nYear, &theirs.nMonth, &theirs.nDay,
                                    &theirs.nHour, &theirs.nMinute, &theirs.nSecond, &theirs.nHit, &theirs.nMiss);
    for (const CLineScanner* pScanner : {&scanner, &general}) {
        ScannedLine ours = Unset();
        const int nOurs = pScanner->Scan(line, ours);
        // sscanf's value for a number beyond the int range is not defined; its count is.
        if (nOurs != nTheirs || (!ours.bOverflow && !SameFields(ours, theirs)))
            Mismatch(line, pScanner == &scanner ? "record" : "general", nTheirs, nOurs);
    }
    return 0;
}
