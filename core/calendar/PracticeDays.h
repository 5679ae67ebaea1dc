#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "core/record/Kinds.h"

class CRecordBook;

// The runs a practice calendar counts: those of one category, or of all four (no category).
using CalendarCategory = std::optional<Category>;

// The runs of each category on one calendar day.
struct PracticeDay
{
    int nDays = 0;              // the day (CivilDay.h)
    std::array<int, 4> nRuns{}; // per category, in the categories' order

    // Inline: the streaks ask it of every day of the file.
    int RunsOf(CalendarCategory category) const
    {
        return category ? nRuns[Index(*category)] : nRuns[0] + nRuns[1] + nRuns[2] + nRuns[3];
    }
};

// Every day of a book that holds a run, oldest first, taken from its day records.
class CPracticeDays
{
public:
    CPracticeDays() = default;
    explicit CPracticeDays(const CRecordBook& book);
    // The days of the book again.
    void Rebuild(const CRecordBook& book);
    // The days of the book after runs were added to it: only those changed since the last
    // look are taken again, unless too many or the book was emptied.
    void Update(const CRecordBook& book);

    const std::vector<PracticeDay>& Days() const { return m_days; }
    // Each change of the days has a revision of its own, unique in the program.
    std::uint64_t Revision() const { return m_nRevision; }
    // The oldest day changed since nRevision: INT_MAX when none; none known when the days were
    // taken again, or when more than the last change came since.
    std::optional<int> OldestChangeSince(std::uint64_t nRevision) const;
    // The runs of one day; none for a day without runs.
    PracticeDay At(int nDays) const;
    // The days of nFirst..nLast that hold runs, oldest first.
    std::span<const PracticeDay> Range(int nFirst, int nLast) const;

private:
    std::vector<PracticeDay> m_days;
    std::uint64_t m_nSeen = 0; // the book's changes taken so far
    std::uint64_t m_nRevision = 0;
    std::uint64_t m_nLastRevision = 0; // the one before
    std::optional<int> m_nLastOldest;  // the oldest day the last change changed
    // The days changed: from nOldest on, or all of them.
    void NewRevision(std::optional<int> nOldest);
};
