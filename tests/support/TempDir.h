#pragma once
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

// A fresh directory under the system's temporary folder, removed with its contents.
class CTempDir
{
public:
    CTempDir()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "norv2-test-XXXXXX").string();
        m_path = ::mkdtemp(pattern.data());
    }
    ~CTempDir() { std::filesystem::remove_all(m_path); }
    CTempDir(const CTempDir&) = delete;
    CTempDir& operator=(const CTempDir&) = delete;

    std::string File(const std::string& name) const { return (m_path / name).string(); }

    // Writes (or appends) bytes to a file of this directory; returns its path.
    std::string Write(const std::string& name, const std::string& bytes, bool bAppend = false) const
    {
        std::ofstream out(File(name), std::ios::binary | (bAppend ? std::ios::app : std::ios::trunc));
        out << bytes;
        return File(name);
    }

    // The bytes of a file of this directory.
    std::string Read(const std::string& name) const
    {
        std::ifstream in(File(name), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

private:
    std::filesystem::path m_path;
};
