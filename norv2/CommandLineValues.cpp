#include "norv2/CommandLineValues.h"

#include <charconv>

std::optional<int> IndexOf(std::string_view value, std::initializer_list<std::string_view> names)
{
    int i = 0;
    for (std::string_view name : names) {
        if (value == name)
            return i;
        ++i;
    }
    return std::nullopt;
}

std::optional<int> ParseNumber(std::string_view text)
{
    int n = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), n);
    if (text.empty() || ec != std::errc{} || end != text.data() + text.size())
        return std::nullopt;
    return n;
}

namespace {
bool ReadIndex(std::string_view value, std::initializer_list<std::string_view> names, int& nIndex)
{
    const std::optional<int> index = IndexOf(value, names);
    if (index)
        nIndex = *index;
    return index.has_value();
}
} // namespace

bool ReadScaleName(std::string_view name, int& nScale)
{
    return ReadIndex(name, {"daily", "weekly", "monthly"}, nScale);
}

bool ReadCategoryName(std::string_view name, int& nCategory)
{
    return ReadIndex(name, {"alph", "kana", "roma", "sybl"}, nCategory);
}
