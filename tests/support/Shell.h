#pragma once
#include <array>
#include <cstdio>
#include <optional>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

struct ProcessResult
{
    int nExit; // -1 when the process did not exit by itself (a signal)
    std::string out;
};

// Runs a shell command line and collects its standard output.
inline ProcessResult Shell(const std::string& command)
{
    ProcessResult r{-1, {}};
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe)
        return r;
    std::array<char, 4096> buffer;
    for (std::size_t n; (n = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0;)
        r.out.append(buffer.data(), n);
    const int status = ::pclose(pipe);
    r.nExit = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return r;
}

inline std::string Quoted(const std::string& s)
{
    return "'" + s + "'";
}

// The command prefix that runs a program as an unprivileged user ("" when this process is
// one already), or nothing when privileges cannot be dropped here.
inline std::optional<std::string> UnprivilegedPrefix()
{
    if (::geteuid() != 0)
        return std::string();
    const std::string prefix = "setpriv --reuid=nobody --regid=nogroup --clear-groups ";
    if (Shell(prefix + "true 2>/dev/null").nExit != 0)
        return std::nullopt;
    return prefix;
}
