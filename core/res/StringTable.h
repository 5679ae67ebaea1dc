#pragma once
#include <optional>
#include <string_view>

// Text of string-table entry nID (UTF-8), or nothing when the table has no such entry.
std::optional<std::string_view> FindStringEntry(unsigned nID);
