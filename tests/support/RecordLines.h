#pragma once
#include <cstdio>
#include <string>

#include "core/record/CivilDay.h"

// One canonical 44-byte record line (without its line end).
inline std::string RecordLine(char mark, int y, int m, int d, int hits, int misses, int hour = 12)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, "%c %04d-%02d-%02d  %02d:34:56   HIT: %3d  MISS: %3d", mark, y, m, d, hour, hits,
                  misses);
    return buf;
}

// nCount alphabet runs on consecutive days from 2003-05-01 + nFirstDay - 1, each with its line end.
inline std::string Records(int nFirstDay, int nCount, const char* eol = "\r\n")
{
    std::string out;
    for (int i = 0; i < nCount; ++i) {
        int y, m, d;
        CivilFromDays(DaysFromCivil(2003, 5, 1) + nFirstDay - 1 + i, y, m, d);
        out += RecordLine('A', y, m, d, 100 + i, i % 100) + eol;
    }
    return out;
}

constexpr char kKanaMark = static_cast<char>(0xB1);
