#include "store/FileName.h"

#include <utility>

namespace {
constexpr char16_t kEscapeBase = 0xDC00;

// The code point of the UTF-8 sequence at the start of bytes and its length, or nothing
// (length 0) when it is not a valid, shortest-form sequence of a character.
std::pair<char32_t, std::size_t> DecodeUtf8(std::string_view bytes)
{
    const auto b0 = static_cast<unsigned char>(bytes[0]);
    if (b0 < 0x80)
        return {b0, 1};
    const std::size_t n = b0 >= 0xF0 ? 4 : b0 >= 0xE0 ? 3 : b0 >= 0xC2 ? 2 : 0;
    if (n == 0 || bytes.size() < n || b0 > 0xF4)
        return {0, 0};
    char32_t c = b0 & (0x7F >> n);
    for (std::size_t i = 1; i < n; ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        if ((b & 0xC0) != 0x80)
            return {0, 0};
        c = (c << 6) | (b & 0x3F);
    }
    static constexpr char32_t kLeast[] = {0, 0, 0x80, 0x800, 0x10000};
    if (c < kLeast[n] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
        return {0, 0};
    return {c, n};
}
} // namespace

QString FileNameToQString(std::string_view bytes)
{
    QString name;
    name.reserve(static_cast<qsizetype>(bytes.size()));
    while (!bytes.empty()) {
        const auto [c, n] = DecodeUtf8(bytes);
        if (n == 0) {
            name += QChar(static_cast<char16_t>(kEscapeBase + static_cast<unsigned char>(bytes[0])));
            bytes.remove_prefix(1);
            continue;
        }
        name += QString::fromUcs4(&c, 1);
        bytes.remove_prefix(n);
    }
    return name;
}

std::string FileNameFromQString(const QString& name)
{
    std::string bytes;
    for (qsizetype i = 0; i < name.size(); ++i) {
        const QChar c = name.at(i);
        if (c.isHighSurrogate() && i + 1 < name.size() && name.at(i + 1).isLowSurrogate()) {
            bytes += name.mid(i, 2).toStdString();
            ++i;
        } else if (c.unicode() >= kEscapeBase + 0x80 && c.unicode() <= kEscapeBase + 0xFF) {
            bytes += static_cast<char>(c.unicode() - kEscapeBase);
        } else {
            bytes += QString(c).toStdString();
        }
    }
    return bytes;
}

QStringList ArgumentsOf(int argc, char* argv[])
{
    QStringList args;
    for (int i = 0; i < argc; ++i)
        args << FileNameToQString(argv[i]);
    return args;
}
