#pragma once
#include <string>
#include <string_view>
#include <vector>

// The user a record file belongs to: its file name without the last extension
// ("たろう" for ".../たろう.ｷﾛｸ"), never cut inside a character.
std::string UserNameOfPath(std::string_view strPath);
// The directory holding the file, ending in '/'.
std::string DirectoryOfPath(std::string_view strPath);
// The record file of a user in a directory that ends in a separator.
std::string RecordPathOf(std::string_view strDir, std::string_view strUser);
// The users whose record files lie in a directory, in no set order: every name ending in the
// record extension, byte for byte whatever its encoding; hidden files are left out.
std::vector<std::string> UsersInDirectory(const std::string& strDir);
// The user name as one line of text for titles and copied text: control characters
// (a line break in the file's name) become '?'.
std::string UserNameForDisplay(std::string_view strUserName);
