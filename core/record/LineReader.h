#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

// Reads the lines of an open file from its current offset, in large chunks.
// A line ends at LF; the LF and one CR before it are not part of the line.
// Memory stays bounded whatever the file holds: a line longer than 46 bytes is handed
// out cut to 45 bytes, which is enough to know that it is too long, as soon as that is
// known; its rest is passed over by the next call.
class CLineReader
{
public:
    explicit CLineReader(int fd);
    CLineReader(const CLineReader&) = delete;
    CLineReader& operator=(const CLineReader&) = delete;

    // The next line; at the end of the file an empty line. Valid until the next call.
    // False on a read error.
    bool Next(std::string_view& line);

    // The bytes read from the file but not yet handed out, when no line is partly taken or passed over;
    // else nothing. Valid until the next call of Next.
    std::string_view Buffered() const
    {
        return m_nCarryLen == 0 && !m_bSkipping ? std::string_view(m_buffer.get() + m_pos, m_end - m_pos)
                                                : std::string_view();
    }
    // Passes over the first nBytes of Buffered(), which the caller has taken as whole lines.
    void Skip(std::size_t nBytes) { m_pos += nBytes; }

    // Bytes read from the file so far.
    std::uint64_t BytesRead() const { return m_nBytesRead; }

private:
    bool Fill();
    std::string_view TakeCarry();

    int m_fd;
    std::unique_ptr<char[]> m_buffer;
    std::size_t m_pos = 0;
    std::size_t m_end = 0;
    bool m_bEof = false;
    std::string m_carry;         // the start of a line that crossed a chunk boundary
    std::size_t m_nCarryLen = 0; // its true length, which may exceed what is kept
    bool m_bSkipping = false;    // the rest of a line already handed out as too long is still to come
    std::string m_line;          // the last line handed out from the carry
    std::uint64_t m_nBytesRead = 0;
};
