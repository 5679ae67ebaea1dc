#include "core/base/ReplaceFile.h"

#include <cerrno>
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
} // namespace

int ReplaceFile(const std::string& strPath, std::string_view bytes)
{
    std::string target = strPath;
    if (char* real = ::realpath(strPath.c_str(), nullptr)) {
        target = real;
        std::free(real);
    }
    struct stat st
    {
    };
    const bool bExists = ::stat(target.c_str(), &st) == 0;
    if (bExists && !S_ISREG(st.st_mode))
        return kNotRegularFile;

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
