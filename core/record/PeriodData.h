#pragma once
#include <array>

#include "core/base/Time.h"
#include "core/record/Kinds.h"

// 1980-01-01 00:00 local, the date of a period that was not filled.
CTime UnfilledPeriodDate();

// One bar of the chart: one period of one category.
struct PERIODDATA
{
    PERIODDATA();
    int nBest = 0;
    int nAve = 0;
    int nWorst = 999; // 999: nothing seen yet
    bool bNewBest = false;
    CTime Date; // the period key: local midnight of the period's first day
};

// The content of one board: one period, all four categories.
struct BOARDDATA
{
    BOARDDATA();
    int nSlot = 0;
    CTime Date; // the period key
    Scale nScale = Scale::Daily;
    // Figures of each category, at its Index.
    std::array<int, 4> nTry{};
    std::array<int, 4> nBest{};
    std::array<int, 4> nBestMiss{};
    std::array<int, 4> nWorst{999, 999, 999, 999};
    std::array<int, 4> nWorstMiss{};
    std::array<int, 4> nAve{};
    std::array<int, 4> nAveMiss{};
    std::array<int, 4> nTTry{};
    std::array<int, 4> nTBest{};
    std::array<int, 4> nTBestMiss{};
};
