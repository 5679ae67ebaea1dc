#pragma once
#include <string>
#include <string_view>
#include <vector>

// The nine fields of a record line.
struct SCANNEDLINE
{
    char cMark = 0;
    int nYear = 0, nMonth = 0, nDay = 0;
    int nHour = 0, nMinute = 0, nSecond = 0;
    int nHit = 0, nMiss = 0;
    bool bOverflow = false; // some number read did not fit an int
};

// Reads lines as the C library's sscanf reads them with a format made of %c, %d,
// white space and literal characters (the record-line format of string 160).
class CLineScanner
{
public:
    explicit CLineScanner(std::string_view format);

    // The number of conversions made, as sscanf returns it (-1 when the input ends
    // before the first conversion). The %c and %d values fill out in order.
    int Scan(std::string_view line, SCANNEDLINE& out) const;

private:
    enum class EStep : unsigned char
    {
        SkipSpace, // any run of white space, also none
        Literal,   // this byte, exactly
        Char,      // %c: the next byte, whatever it is
        Int,       // %d: white space, a sign, decimal digits
        Stop,      // a directive this reader does not handle: the format ends here
    };
    struct SCANSTEP
    {
        EStep eKind = EStep::Stop;
        char cByte = 0;          // Literal
        bool bStore = true;      // Char, Int: false for an assignment-suppressed conversion (%*d)
        unsigned char nSlot = 0; // Int: which number of SCANNEDLINE it fills, in field order
        int nWidth = -1;         // Int: most bytes read after the white space; -1 for no limit
    };

    static bool ScanCanonical(const char* line, SCANNEDLINE& out);
    int ScanGeneral(std::string_view line, SCANNEDLINE& out) const;

    std::string m_strFormat;
    std::vector<SCANSTEP> m_steps;
    bool m_bCanonical = false; // the format is the record-line format, so the fixed layout may be tried first
};
