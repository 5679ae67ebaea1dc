#include "settings-remover/SettingsRemover.h"

#include <QFile>
#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <string>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#include "core/base/ReplaceFile.h"

namespace {
const char* const kSections[] = {"App", "Frame", "Chart", "Board"};
// Written only once the practice calendar was opened.
const char* const kOptionalSections[] = {"Calendar"};

// The settings file is edited as text rather than through QSettings: QSettings does not see
// a section that holds no keys, and it reports a failed write without the system's code.
using Lines = std::vector<std::string>;

int ReadLines(const std::string& path, Lines& lines)
{
    // Without waiting, should the name belong to a FIFO.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return errno;
    struct stat st
    {
    };
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        const int nError = S_ISREG(st.st_mode) ? errno : kNotRegularFile;
        ::close(fd);
        return nError;
    }
    std::string text;
    char buffer[4096];
    int nError = 0;
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n > 0)
            text.append(buffer, static_cast<std::size_t>(n));
        else if (n == 0 || errno != EINTR) {
            nError = n < 0 ? errno : 0;
            break;
        }
    }
    ::close(fd);
    for (std::size_t begin = 0; begin < text.size();) {
        const std::size_t end = std::min(text.find('\n', begin), text.size());
        lines.push_back(text.substr(begin, end - begin));
        begin = end + 1;
    }
    return nError;
}

std::string_view Trimmed(std::string_view line)
{
    const std::size_t first = line.find_first_not_of(" \t\r");
    if (first == std::string_view::npos)
        return {};
    return line.substr(first, line.find_last_not_of(" \t\r") - first + 1);
}

bool IsHeader(std::string_view line)
{
    line = Trimmed(line);
    return line.size() >= 2 && line.front() == '[' && line.back() == ']';
}

// Removes every "[section]" line and the lines up to the next header; false when there is none.
bool RemoveSection(Lines& lines, std::string_view section)
{
    const std::string header = "[" + std::string(section) + "]";
    Lines kept;
    bool bFound = false;
    bool bInside = false;
    for (std::string& line : lines) {
        if (IsHeader(line))
            bInside = Trimmed(line) == header;
        bFound = bFound || bInside;
        if (!bInside)
            kept.push_back(std::move(line));
    }
    lines = std::move(kept);
    return bFound;
}

// The file as the lines and their LFs.
int WriteLines(const std::string& path, const Lines& lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += line + '\n';
    return ReplaceFile(path, text);
}

bool HoldsNothing(const Lines& lines)
{
    for (const std::string& line : lines)
        if (!Trimmed(line).empty())
            return false;
    return true;
}

int ErrnoUnless(bool bOk)
{
    return bOk ? 0 : errno;
}
} // namespace

int DeleteStoredSettings(const QString& configHome)
{
    const std::string norvPath = QFile::encodeName(configHome).toStdString() + "/Norv";
    struct stat st
    {
    };
    // Only a folder that is really not there means that nothing is stored; a folder that
    // cannot be looked into may well hold the settings.
    if (::stat(norvPath.c_str(), &st) != 0)
        return errno == ENOENT ? 0 : errno;
    if (!S_ISDIR(st.st_mode))
        return ENOTDIR;
    // A Norv the user linked to a folder elsewhere stays, with that folder: the link is theirs.
    const bool bLinked = ::lstat(norvPath.c_str(), &st) == 0 && S_ISLNK(st.st_mode);
    const std::string norv2Path = norvPath + "/Norv2.conf";
    if (::access(norv2Path.c_str(), R_OK | W_OK) != 0)
        return errno;

    Lines lines;
    if (const int nError = ReadLines(norv2Path, lines))
        return nError;
    for (const char* section : kSections) {
        if (!RemoveSection(lines, section))
            return ENOENT;
        if (const int nError = WriteLines(norv2Path, lines))
            return nError;
    }
    for (const char* section : kOptionalSections) {
        if (!RemoveSection(lines, section))
            continue;
        if (const int nError = WriteLines(norv2Path, lines))
            return nError;
    }
    // Like a registry key, the file goes only once it holds nothing more.
    if (!HoldsNothing(lines))
        return ENOTEMPTY;
    if (const int nError = ErrnoUnless(::unlink(norv2Path.c_str()) == 0))
        return nError;
    return bLinked ? 0 : ErrnoUnless(::rmdir(norvPath.c_str()) == 0);
}

QString RemoverMessage(int nResult)
{
    if (nResult == 0)
        return QStringLiteral("規定のレジストリキーを削除しました");
    if (nResult == kNotRegularFile)
        return QStringLiteral("レジストリの削除に失敗しました\nNorv2.conf が通常のファイルではありません");
    return QStringLiteral("レジストリの削除に失敗しました\nError Code : [%1]").arg(nResult);
}
