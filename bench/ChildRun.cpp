#include "ChildRun.h"

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

ChildRun RunChild(const char* self, const std::vector<std::string>& args)
{
    std::vector<char*> argv{const_cast<char*>(self)};
    for (const std::string& arg : args)
        argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::execv(self, argv.data());
        std::_Exit(127);
    }
    int status = 0;
    rusage usage{};
    ::wait4(pid, &status, 0, &usage);
    ChildRun run;
    run.ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    run.bOk = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    run.nPeakResidentKb = usage.ru_maxrss;
    return run;
}

CPrivateSession::CPrivateSession()
{
    char name[] = "/tmp/norv2-bench-XXXXXX";
    m_strDir = ::mkdtemp(name) ? name : ".";
    for (const char* sub : {"/config", "/runtime"})
        std::filesystem::create_directory(m_strDir + sub);
    std::filesystem::permissions(m_strDir + "/runtime", std::filesystem::perms::owner_all);
    setenv("XDG_CONFIG_HOME", (m_strDir + "/config").c_str(), 1);
    setenv("XDG_RUNTIME_DIR", (m_strDir + "/runtime").c_str(), 1);
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
}

CPrivateSession::~CPrivateSession()
{
    std::error_code ec;
    if (m_strDir != ".")
        std::filesystem::remove_all(m_strDir, ec);
}

std::string CPrivateSession::WriteFile(const std::string& name, const std::string& bytes) const
{
    const std::string path = m_strDir + "/" + name;
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}
