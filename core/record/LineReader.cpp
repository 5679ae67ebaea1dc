#include "core/record/LineReader.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace {
constexpr std::size_t kChunkBytes = 1 << 18;
// One more than a valid line with its CR: anything longer is simply "too long".
constexpr std::size_t kKeptBytes = 46;
constexpr std::size_t kTooLongView = 45;

// True when no LF is among the 44 bytes at p, looked at 16 bytes at a time.
bool NoLineFeedIn44(const char* p)
{
    using BYTES16 = char __attribute__((vector_size(16)));
    BYTES16 a, b, c;
    std::memcpy(&a, p, 16);
    std::memcpy(&b, p + 16, 16);
    std::memcpy(&c, p + 28, 16);
    const BYTES16 lf = BYTES16{} + '\n';
    const auto hits = (a == lf) | (b == lf) | (c == lf);
    std::uint64_t halves[2];
    std::memcpy(halves, &hits, sizeof halves);
    return (halves[0] | halves[1]) == 0;
}

std::string_view WithoutCR(std::string_view line)
{
    if (!line.empty() && line.back() == '\r')
        line.remove_suffix(1);
    return line;
}

// read() that goes on when a signal interrupts it.
ssize_t ReadChunk(int fd, char* p)
{
    for (;;) {
        const ssize_t n = ::read(fd, p, kChunkBytes);
        if (n >= 0 || errno != EINTR)
            return n;
    }
}
} // namespace

CLineReader::CLineReader(int fd) : m_fd(fd), m_buffer(std::make_unique_for_overwrite<char[]>(kChunkBytes)) {}

bool CLineReader::Fill()
{
    const ssize_t n = ReadChunk(m_fd, m_buffer.get());
    if (n < 0)
        return false;
    m_pos = 0;
    m_end = static_cast<std::size_t>(n);
    m_bEof = n == 0;
    m_nBytesRead += static_cast<std::uint64_t>(n);
    return true;
}

std::string_view CLineReader::TakeCarry()
{
    // The finished line moves to m_line, so its bytes stay valid until the next call.
    m_line.swap(m_carry);
    m_carry.clear();
    const bool bTooLong = m_nCarryLen > kKeptBytes;
    m_nCarryLen = 0;
    return bTooLong ? std::string_view(m_line).substr(0, kTooLongView) : WithoutCR(m_line);
}

bool CLineReader::Next(std::string_view& line)
{
    for (;;) {
        if (m_pos == m_end && !m_bEof && !Fill())
            return false;
        if (m_pos == m_end && m_bEof) {
            // The last line has no LF, or the file is at its end: an empty line.
            m_bSkipping = false;
            line = TakeCarry();
            return true;
        }
        const char* begin = m_buffer.get() + m_pos;
        if (m_bSkipping) {
            const void* lf = std::memchr(begin, '\n', m_end - m_pos);
            m_bSkipping = lf == nullptr;
            m_pos = lf ? static_cast<std::size_t>(static_cast<const char*>(lf) - m_buffer.get()) + 1 : m_end;
            continue;
        }
        // Nearly every line is a whole record with CR LF: take it without a search.
        if (m_nCarryLen == 0 && m_end - m_pos >= kKeptBytes && begin[44] == '\r' && begin[45] == '\n' &&
            NoLineFeedIn44(begin)) {
            m_pos += kKeptBytes;
            line = {begin, 44};
            return true;
        }
        const void* lf = std::memchr(begin, '\n', m_end - m_pos);
        const std::size_t len = lf ? static_cast<std::size_t>(static_cast<const char*>(lf) - begin) : m_end - m_pos;
        if (lf && m_nCarryLen == 0) {
            m_pos += len + 1;
            line = len > kKeptBytes ? std::string_view(begin, kTooLongView) : WithoutCR({begin, len});
            return true;
        }
        if (m_carry.size() < kKeptBytes)
            m_carry.append(begin, std::min(len, kKeptBytes - m_carry.size()));
        m_nCarryLen += len;
        m_pos += len;
        if (lf) {
            ++m_pos;
            line = TakeCarry();
            return true;
        }
        // Too long already: said at once, and the rest of the line is passed over only when
        // the caller reads on, so that a file without any LF is not read to its end.
        if (m_nCarryLen > kKeptBytes) {
            m_bSkipping = true;
            line = TakeCarry();
            return true;
        }
    }
}
