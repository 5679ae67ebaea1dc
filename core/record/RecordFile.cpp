#include "core/record/RecordFile.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <new>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>

#include "core/record/LineReader.h"
#include "core/record/RecordBook.h"

namespace {

// Opens a regular file for reading and closes it on every path out. Anything else is not
// opened at all: opening or reading a FIFO or a device can wait for ever.
class CFileHandle
{
public:
    explicit CFileHandle(const std::string& strPath)
    {
        if (::stat(strPath.c_str(), &m_st) != 0) {
            m_nError = LoadOutcome::OpenError;
            m_nSystemError = errno;
            return;
        }
        if (!S_ISREG(m_st.st_mode)) {
            m_nError = LoadOutcome::NotRegular;
            return;
        }
        // Without waiting, should the name have been given to a FIFO since it was looked at.
        m_fd = ::open(strPath.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
        if (m_fd < 0 || ::fstat(m_fd, &m_st) != 0) {
            m_nError = LoadOutcome::OpenError;
            m_nSystemError = errno;
        } else if (!S_ISREG(m_st.st_mode))
            m_nError = LoadOutcome::NotRegular;
    }
    ~CFileHandle()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    CFileHandle(const CFileHandle&) = delete;
    CFileHandle& operator=(const CFileHandle&) = delete;
    // The descriptor, or -1 when the file is not open.
    int Get() const { return m_nError == LoadOutcome::Loaded ? m_fd : -1; }
    // Loaded (open), OpenError or NotRegular.
    LoadOutcome Error() const { return m_nError; }
    // The errno of the call that failed with OpenError.
    int SystemError() const { return m_nSystemError; }
    const struct stat& Stat() const { return m_st; }

private:
    int m_fd = -1;
    LoadOutcome m_nError = LoadOutcome::Loaded;
    int m_nSystemError = 0;
    struct stat m_st
    {
    };
};

// More records than an int counts are more than any record file holds (98 GB).
std::int64_t RecordsIn(std::int64_t nBytes)
{
    return std::min<std::int64_t>(nBytes / CRecordFile::kRecordBytes, INT_MAX);
}
} // namespace

LoadResult CRecordFile::ReadLines(int fd, std::int64_t nFirst, std::int64_t nLines, CRecordBook& book,
                                  CLoadObserver* pObserver)
{
    // Memory for the records runs out here if anywhere; the read ends as at a refused line.
    try {
        return ReadLinesOrThrow(fd, nFirst, nLines, book, pObserver);
    } catch (const std::bad_alloc&) {
        return {LoadOutcome::OutOfMemory};
    }
}

LoadResult CRecordFile::ReadLinesOrThrow(int fd, std::int64_t nFirst, std::int64_t nLines, CRecordBook& book,
                                         CLoadObserver* pObserver)
{
    CLineReader reader(fd);
    // The bar steps when i * 100 / nLines first exceeds the progress P, at most once a line.
    int nProgress = 0;
    std::int64_t nNextStep = 0;
    const auto stepAt = [nLines](int p) { return ((p + 1) * nLines + 99) / 100; };
    if (pObserver)
        nNextStep = stepAt(nProgress);
    LoadResult result;
    for (std::int64_t i = 0; i < nLines;) {
        // Whole records straight from the buffer, up to the next line that may step the bar;
        // the line they stop at goes the long way.
        const std::int64_t nEnd = pObserver ? std::min(nLines, nNextStep + 1) : nLines;
        const std::string_view buffered = reader.Buffered();
        const auto nRoom = static_cast<std::size_t>(
            std::min<std::int64_t>(static_cast<std::int64_t>(buffered.size() / kRecordBytes), nEnd - i));
        const std::size_t nStored = book.StoreRecords(buffered.data(), nRoom);
        reader.Skip(nStored * kRecordBytes);
        i += static_cast<std::int64_t>(nStored);
        if (nStored < nRoom || nRoom == 0) {
            std::string_view line;
            if (!reader.Next(line)) {
                result.outcome = LoadOutcome::ReadError;
                break;
            }
            if (const int nCode = book.ParseLine(line); nCode != 0) {
                result = {LineOutcome(nCode), static_cast<int>(std::min<std::int64_t>(nFirst + i + 1, INT_MAX))};
                break;
            }
            ++i;
        }
        // Only the last line taken can have reached the next step.
        if (pObserver && i - 1 >= nNextStep) {
            nProgress += 4;
            nNextStep = std::max(stepAt(nProgress), i);
            pObserver->OnLoadStepped();
        }
    }
    m_nBytesRead += reader.BytesRead();
    return result;
}

LoadResult CRecordFile::Load(const std::string& strPath, CRecordBook& book, CLoadObserver* pObserver)
{
    m_strPath = strPath;
    m_bWatched = false;
    const CFileHandle file(strPath);
    if (file.Error() != LoadOutcome::Loaded)
        return {file.Error(), 0, file.SystemError()};
    m_nDevice = file.Stat().st_dev;
    m_nInode = file.Stat().st_ino;
    const std::int64_t nLines = RecordsIn(file.Stat().st_size);
    m_nLineCount = static_cast<int>(nLines);
    if (pObserver)
        pObserver->OnLoadBegun();
    const LoadResult result = ReadLines(file.Get(), 0, nLines, book, pObserver);
    if (!result.IsLoaded())
        return result;
    if (pObserver)
        pObserver->OnLoadEnded();
    m_bWatched = nLines > 0;
    return result;
}

LoadResult CRecordFile::Reload(CRecordBook& book)
{
    const CFileHandle file(m_strPath);
    if (file.Get() < 0)
        return {LoadOutcome::ReadError};
    book.Clear();
    m_nDevice = file.Stat().st_dev;
    m_nInode = file.Stat().st_ino;
    const std::int64_t nLines = RecordsIn(file.Stat().st_size);
    m_nLineCount = static_cast<int>(nLines);
    return ReadLines(file.Get(), 0, nLines, book, nullptr);
}

CRecordFile::RefreshResult CRecordFile::Refresh(CRecordBook& book)
{
    if (!m_bWatched)
        return {};
    struct stat st
    {
    };
    // Gone, not readable just now, or for the moment not a file: try again at the next tick.
    if (::stat(m_strPath.c_str(), &st) != 0 || !S_ISREG(st.st_mode))
        return {};
    const std::int64_t nRead = std::int64_t{m_nLineCount} * kRecordBytes;
    if (st.st_dev != m_nDevice || st.st_ino != m_nInode || st.st_size < nRead) {
        if (::access(m_strPath.c_str(), R_OK) != 0)
            return {};
        return {Change::Reloaded, Reload(book)};
    }
    const std::int64_t nLines = RecordsIn(st.st_size);
    if (nLines <= m_nLineCount || st.st_size % kRecordBytes != 0)
        return {};
    const CFileHandle file(m_strPath);
    if (file.Get() < 0)
        return {};
    if (::lseek(file.Get(), nRead, SEEK_SET) != nRead)
        return {Change::Appended, {LoadOutcome::ReadError}};
    const LoadResult result = ReadLines(file.Get(), m_nLineCount, nLines - m_nLineCount, book, nullptr);
    if (result.IsLoaded())
        m_nLineCount = static_cast<int>(nLines);
    return {Change::Appended, result};
}

bool CRecordFile::CanOpen(const std::string& strPath)
{
    return CFileHandle(strPath).Get() >= 0;
}
