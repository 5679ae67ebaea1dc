#include "core/res/StringTable.h"

#include <algorithm>
#include <iterator>

namespace {
struct StringEntry
{
    unsigned nID;
    std::string_view text;
};

constexpr StringEntry kEntries[] = {
#include "core/res/StringTableEntries.inc"
};

static_assert(std::ranges::is_sorted(kEntries, {}, &StringEntry::nID), "string table rows must be sorted by ID");
} // namespace

std::optional<std::string_view> FindStringEntry(unsigned nID)
{
    const auto* it = std::ranges::lower_bound(kEntries, nID, {}, &StringEntry::nID);
    if (it == std::end(kEntries) || it->nID != nID)
        return std::nullopt;
    return it->text;
}
