#pragma once
#include <array>
#include <cstddef>
#include <optional>

// The four categories of practice, in the order of every list, menu, setting and table.
enum class Category
{
    Alph, // 英字
    Kana, // かな
    Roma, // ﾛｰﾏ字
    Sybl, // 記号
};

// The periods a chart bar or a board covers: a day, a week from Sunday, a month.
enum class Scale
{
    Daily,
    Weekly,
    Monthly,
};

inline constexpr std::array<Category, 4> kCategories{Category::Alph, Category::Kana, Category::Roma, Category::Sybl};
inline constexpr std::array<Scale, 3> kScales{Scale::Daily, Scale::Weekly, Scale::Monthly};

// The position of a category or a scale in those lists.
constexpr std::size_t Index(Category c)
{
    return static_cast<std::size_t>(c);
}
constexpr std::size_t Index(Scale s)
{
    return static_cast<std::size_t>(s);
}

// The category or scale at a position of those lists, or nothing outside them.
constexpr std::optional<Category> CategoryAt(int i)
{
    if (i < 0 || i >= static_cast<int>(kCategories.size()))
        return std::nullopt;
    return kCategories[static_cast<std::size_t>(i)];
}
constexpr std::optional<Scale> ScaleAt(int i)
{
    if (i < 0 || i >= static_cast<int>(kScales.size()))
        return std::nullopt;
    return kScales[static_cast<std::size_t>(i)];
}
