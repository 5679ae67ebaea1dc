#pragma once
#include <cstdio>
#include <string>

// printf into a string as long as the values need: widths in the formats are minimum
// widths, and a wide value lengthens the text rather than being cut.
template <typename... Args> std::string Printf(const std::string& format, Args... args)
{
    const int n = std::snprintf(nullptr, 0, format.c_str(), args...);
    if (n <= 0)
        return {};
    std::string out(static_cast<std::size_t>(n), '\0');
    std::snprintf(out.data(), out.size() + 1, format.c_str(), args...);
    return out;
}
