#include "core/record/RecordPath.h"

#include <filesystem>

namespace {
constexpr std::string_view kExtension = ".ｷﾛｸ";

std::string_view FileNameOf(std::string_view strPath)
{
    const auto slash = strPath.rfind('/');
    return slash == std::string_view::npos ? strPath : strPath.substr(slash + 1);
}
} // namespace

std::string UserNameOfPath(std::string_view strPath)
{
    const std::string_view name = FileNameOf(strPath);
    // A leading dot starts a hidden name, not an extension.
    const auto dot = name.rfind('.');
    return std::string(dot == std::string_view::npos || dot == 0 ? name : name.substr(0, dot));
}

std::string DirectoryOfPath(std::string_view strPath)
{
    return std::string(strPath.substr(0, strPath.size() - FileNameOf(strPath).size()));
}

std::string RecordPathOf(std::string_view strDir, std::string_view strUser)
{
    std::string path(strDir);
    path += strUser;
    path += kExtension;
    return path;
}

std::vector<std::string> UsersInDirectory(const std::string& strDir)
{
    std::vector<std::string> users;
    std::error_code error;
    for (std::filesystem::directory_iterator it(strDir, error), end; !error && it != end; it.increment(error)) {
        const std::string name = it->path().filename().string();
        std::error_code typeError;
        if (!name.starts_with('.') && name.ends_with(kExtension) && it->is_regular_file(typeError))
            users.push_back(UserNameOfPath(name));
    }
    return users;
}

std::string UserNameForDisplay(std::string_view strUserName)
{
    std::string name(strUserName);
    for (char& c : name)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
            c = '?';
    return name;
}
