#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "core/record/Kinds.h"

// The main window's title: the program alone without a user, the user's records without a
// chart, else the user's chart of a category at a scale.
std::string FrameTitle(std::string_view strUserName, std::optional<Category> nCategory, Scale nScale);
