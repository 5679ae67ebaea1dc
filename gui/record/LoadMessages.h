#pragma once
#include <string>

#include "core/record/LoadResult.h"

// The message box that refuses a file after a refused line, running out of memory or a
// failed read: its string-table ID.
unsigned RefusalMessage(LoadOutcome outcome);

// Why a file gives no book, for standard error: a refused line's message without its
// heading, or what kept the file from being read, with the system's reason.
std::string LoadFailureText(const LoadResult& result);
