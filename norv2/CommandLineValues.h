#pragma once
#include <initializer_list>
#include <optional>
#include <string_view>

// Index of value among names (as "daily", "weekly", "monthly"), or nothing.
std::optional<int> IndexOf(std::string_view value, std::initializer_list<std::string_view> names);
// A whole decimal int, or nothing for an empty text, trailing characters or overflow.
std::optional<int> ParseNumber(std::string_view text);
// The option values naming a scale (daily, weekly, monthly) and a category (alph, kana, roma, sybl),
// read into nScale / nCategory; false, with nothing changed, for any other name.
bool ReadScaleName(std::string_view name, int& nScale);
bool ReadCategoryName(std::string_view name, int& nCategory);
