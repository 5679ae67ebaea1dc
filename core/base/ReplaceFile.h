#pragma once
#include <string>
#include <string_view>

constexpr int kNotRegularFile = -1;

// Puts bytes into the file strPath names (as the file system keeps names: bytes). They are
// written to a new file beside it and renamed over it, so that a failed write leaves an
// existing file as it was; an existing file keeps its permissions and must be writable, and
// a symbolic link leads to its file, unless another user planted the link in a sticky
// world-writable folder (EACCES, as the kernel's protected symlinks refuse it). A file too
// large for the process's limit fails with EFBIG instead of ending the process. Returns 0,
// kNotRegularFile when the name belongs to something other than a regular file (a device,
// a FIFO, a folder), which is left alone, or the system's error code.
[[nodiscard]] int ReplaceFile(const std::string& strPath, std::string_view bytes);
