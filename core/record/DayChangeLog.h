#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

// The days whose records changed, the newest few kept: a reader of a book catches up with
// the runs read since it last looked without going over every day again.
class CDayChangeLog
{
public:
    // The changes noted so far; a reader keeps it to ask what changed since.
    std::uint64_t Count() const { return m_nCount; }
    void Note(int nDays) { m_Days[m_nCount++ % kKept] = nDays; }
    // Everything changed (the book was emptied): no reader catches up across it, also one
    // that had seen every change before.
    void Forget() { m_nForgotten = ++m_nCount; }

    // The days changed since nSince, a Count() seen before, in no order and maybe repeated;
    // none when more changed than the log keeps, or when it forgot them.
    std::optional<std::vector<int>> Since(std::uint64_t nSince) const
    {
        if (nSince < m_nForgotten || nSince > m_nCount || m_nCount - nSince > kKept)
            return std::nullopt;
        std::vector<int> days;
        for (std::uint64_t n = nSince; n != m_nCount; ++n)
            days.push_back(m_Days[n % kKept]);
        return days;
    }

private:
    static constexpr std::size_t kKept = 256;
    std::array<int, kKept> m_Days{};
    std::uint64_t m_nCount = 0;
    std::uint64_t m_nForgotten = 0;
};
