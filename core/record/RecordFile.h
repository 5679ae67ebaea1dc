#pragma once
#include <cstdint>
#include <string>

#include "core/record/LoadResult.h"

class CRecordBook;

// Told how a load proceeds: begun, each further 4 %, ended.
class CLoadObserver
{
public:
    virtual ~CLoadObserver() = default;
    virtual void OnLoadBegun() {}
    virtual void OnLoadStepped() {}
    virtual void OnLoadEnded() {}
};

// A record file as the viewer follows it: loaded once, then read again as it grows.
class CRecordFile
{
public:
    static constexpr int kRecordBytes = 46; // 44 bytes of text and CR LF

    enum class Change
    {
        None,     // nothing to read (unchanged, not watched, gone or unreadable)
        Appended, // new records were read from where the last read ended
        Reloaded, // the file shrank or was replaced and was read again from the start
    };
    struct RefreshResult
    {
        Change change = Change::None;
        LoadResult result; // Loaded, a refused line, OutOfMemory or ReadError
    };

    // Reads floor(size / 46) lines from the start of the file into book, which the
    // caller has emptied, up to the first refused line.
    [[nodiscard]] LoadResult Load(const std::string& strPath, CRecordBook& book, CLoadObserver* pObserver);

    // Whether the file is a regular file that can be opened for reading; it is closed again.
    static bool CanOpen(const std::string& strPath);

    // Reads what was appended since the last read: only whole records, and only when
    // the file's length is a multiple of 46. A file that shrank below what was read, or
    // was replaced by another file, is read again from the start into the emptied book.
    [[nodiscard]] RefreshResult Refresh(CRecordBook& book);

    // Stops following the file, as after a broken line: its figures were discarded.
    void StopWatching() { m_bWatched = false; }

    const std::string& GetPath() const { return m_strPath; }
    int GetLineCount() const { return m_nLineCount; }
    std::uint64_t GetBytesRead() const { return m_nBytesRead; }

private:
    // Reads nLines lines that follow the first nFirst of the file.
    LoadResult ReadLines(int fd, std::int64_t nFirst, std::int64_t nLines, CRecordBook& book, CLoadObserver* pObserver);
    LoadResult ReadLinesOrThrow(int fd, std::int64_t nFirst, std::int64_t nLines, CRecordBook& book,
                                CLoadObserver* pObserver);
    LoadResult Reload(CRecordBook& book);

    std::string m_strPath;
    int m_nLineCount = 0;    // records accounted for
    bool m_bWatched = false; // a file that held no records when opened is never followed
    std::uint64_t m_nDevice = 0;
    std::uint64_t m_nInode = 0;
    std::uint64_t m_nBytesRead = 0;
};
