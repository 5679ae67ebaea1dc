#pragma once
#include <string>
#include <vector>

// One run of this benchmark's own program as a child process.
struct ChildRun
{
    bool bOk = false;         // exited with 0
    double ms = 0;            // from start to exit
    long nPeakResidentKb = 0; // the child's peak resident memory (VmHWM)
};

// Runs self with args and waits for it.
ChildRun RunChild(const char* self, const std::vector<std::string>& args);

// Private settings, lock and socket for the viewers started, and no display needed.
class CPrivateSession
{
public:
    CPrivateSession();
    ~CPrivateSession();
    // A file in the session's folder holding these bytes.
    std::string WriteFile(const std::string& name, const std::string& bytes) const;

private:
    std::string m_strDir;
};

// Median of values (not empty).
double Median(std::vector<double> values);
