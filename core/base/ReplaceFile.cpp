#include "core/base/ReplaceFile.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
int WriteAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return errno;
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return 0;
}

// The permissions a file created by open() with 0666 would have.
mode_t NewFileMode()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// Lets a write beyond the file size limit fail with EFBIG rather than kill the process
// (SIGXFSZ), for as long as it lives.
class CFileSizeSignalIgnored
{
public:
    CFileSizeSignalIgnored()
    {
        struct sigaction ignore
        {
        };
        ignore.sa_handler = SIG_IGN;
        ::sigaction(SIGXFSZ, &ignore, &m_old);
    }
    ~CFileSizeSignalIgnored() { ::sigaction(SIGXFSZ, &m_old, nullptr); }
    CFileSizeSignalIgnored(const CFileSizeSignalIgnored&) = delete;
    CFileSizeSignalIgnored& operator=(const CFileSizeSignalIgnored&) = delete;

private:
    struct sigaction m_old
    {
    };
};

std::string FolderOf(const std::string& path)
{
    const std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// A link in a sticky world-writable folder may be followed only when it belongs to this
// user or to the folder's owner; any other user could have planted it there.
bool MayFollow(const struct stat& link, const std::string& folder)
{
    struct stat st
    {
    };
    if (::stat(folder.c_str(), &st) != 0)
        return false;
    const bool bShared = (st.st_mode & S_ISVTX) != 0 && (st.st_mode & S_IWOTH) != 0;
    return !bShared || link.st_uid == ::geteuid() || link.st_uid == st.st_uid;
}

// Follows the symbolic links the name ends in, into path; 0 or the system's error code.
// Links among the folders are left to the kernel, which guards them itself.
int FollowLinks(std::string& path)
{
    for (int nHops = 0;; ++nHops) {
        struct stat st
        {
        };
        if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
            return 0;
        if (nHops == 40)
            return ELOOP;
        const std::string folder = FolderOf(path);
        if (!MayFollow(st, folder))
            return EACCES;
        std::string target(static_cast<std::size_t>(st.st_size) + 1, '\0');
        const ssize_t n = ::readlink(path.c_str(), target.data(), target.size());
        if (n < 0)
            return errno;
        target.resize(static_cast<std::size_t>(n));
        path = target.starts_with('/') ? target : folder + "/" + target;
    }
}
} // namespace

int ReplaceFile(const std::string& strPath, std::string_view bytes)
{
    std::string target = strPath;
    if (const int nError = FollowLinks(target))
        return nError;
    struct stat st
    {
    };
    const bool bExists = ::stat(target.c_str(), &st) == 0;
    if (bExists && !S_ISREG(st.st_mode))
        return kNotRegularFile;
    // Renaming over a file needs only the folder's permission; its own protection holds too.
    if (bExists && ::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0)
        return errno;

    const CFileSizeSignalIgnored fileSizeSignalIgnored;
    std::string temp = target + ".XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0)
        return errno;
    int nError = ::fchmod(fd, bExists ? st.st_mode & 07777 : NewFileMode()) == 0 ? 0 : errno;
    if (nError == 0)
        nError = WriteAll(fd, bytes);
    if (nError == 0 && ::fsync(fd) != 0)
        nError = errno;
    if (::close(fd) != 0 && nError == 0)
        nError = errno;
    if (nError == 0 && ::rename(temp.c_str(), target.c_str()) != 0)
        nError = errno;
    if (nError != 0)
        ::unlink(temp.c_str());
    return nError;
}
