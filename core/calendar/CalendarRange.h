#pragma once

// The days one practice calendar shows, as day numbers (CivilDay.h), and where each sits
// in its grid: a column per week from Sunday to Saturday, top to bottom.
struct CalendarRange
{
    int nFirst = 0;
    int nLast = 0;

    // The range's first week starts on the Sunday on or before its first day.
    int FirstSunday() const;
    int ColumnCount() const;
    int ColumnOf(int nDays) const;
    static int RowOf(int nDays); // 0 Sunday .. 6 Saturday
    // The day at a column and row of the grid (it may lie outside the range).
    int DayAt(int nColumn, int nRow) const;
    bool Contains(int nDays) const { return nDays >= nFirst && nDays <= nLast; }
    bool operator==(const CalendarRange&) const = default;
};

// 1 January to 31 December.
CalendarRange YearRange(int nYear);
// The last 53 weeks: from the Sunday 52 weeks before today's week to today.
CalendarRange LastWeeksRange(int nToday);

// The month (1..12) that begins in a column of the range, or 0 when none does: a column
// holding the 1st of a month, or the range's first column.
int MonthStartingInColumn(const CalendarRange& range, int nColumn);

// The shade of a day in five steps: 0 for no runs, then 1..4 by the share of nMostRuns,
// the most runs of any day shown.
int ShadeStep(int nRuns, int nMostRuns);
