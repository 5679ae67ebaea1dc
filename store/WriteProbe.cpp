#include "store/WriteProbe.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <unistd.h>

std::string WhyNoFileCanBeWrittenIn(const std::string& strFolder)
{
    std::error_code error;
    std::filesystem::create_directories(strFolder, error);
    if (error)
        return error.message();
    std::string probe = strFolder + "/.Norv2-probe.XXXXXX";
    const int fd = ::mkstemp(probe.data());
    if (fd < 0)
        return std::strerror(errno);
    // A full disk takes a file name but no blocks, so the probe writes more than a few bytes.
    const std::string block(4096, '\n');
    const ssize_t nWritten = ::write(fd, block.data(), block.size());
    int nError = nWritten < 0 ? errno : nWritten < static_cast<ssize_t>(block.size()) ? ENOSPC : 0;
    if (nError == 0 && ::fsync(fd) != 0)
        nError = errno;
    if (::close(fd) != 0 && nError == 0)
        nError = errno;
    ::unlink(probe.c_str());
    return nError == 0 ? std::string() : std::strerror(nError);
}
