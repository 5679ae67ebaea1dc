#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Reads "n:n:...:n" as scanf would with "%d:%d:..." (bHex false) or "%x:%x:..." (bHex true):
// blanks before a number are skipped, a sign is allowed, a hex number may carry "0x",
// each colon must follow its number directly, and anything after the last number is ignored.
// Nothing when fewer than nCount numbers were read or a decimal number does not fit an int.
std::optional<std::vector<std::int32_t>> ParseDecimalList(std::string_view text, std::size_t nCount);
std::optional<std::vector<std::uint32_t>> ParseHexList(std::string_view text, std::size_t nCount);

// "%d:%d:..." and "%x:%x:..." (lower case, no leading zeros).
std::string FormatDecimalList(const std::vector<std::int32_t>& values);
std::string FormatHexList(const std::vector<std::uint32_t>& values);
