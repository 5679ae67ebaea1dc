#include "core/settings/LogFont.h"

#include <algorithm>

#include "core/base/LittleEndian.h"

std::string LOGFONT::FaceNameBytes() const
{
    const auto end = std::find(lfFaceName.begin(), lfFaceName.end(), std::uint8_t{0});
    return std::string(lfFaceName.begin(), end);
}

void LOGFONT::SetFaceNameBytes(std::string_view bytes)
{
    lfFaceName.fill(0);
    const std::size_t n = std::min(bytes.size(), kFaceSize - 1);
    std::copy_n(bytes.begin(), n, lfFaceName.begin());
}

std::array<std::uint8_t, LOGFONT::kSize> LOGFONT::ToBytes() const
{
    std::array<std::uint8_t, kSize> out{};
    std::uint8_t* p = out.data();
    for (std::int32_t n : {lfHeight, lfWidth, lfEscapement, lfOrientation, lfWeight}) {
        WriteInt32LE(p, n);
        p += 4;
    }
    for (std::uint8_t b :
         {lfItalic, lfUnderline, lfStrikeOut, lfCharSet, lfOutPrecision, lfClipPrecision, lfQuality, lfPitchAndFamily})
        *p++ = b;
    std::copy(lfFaceName.begin(), lfFaceName.end(), p);
    return out;
}

std::optional<LOGFONT> LOGFONT::FromBytes(std::span<const std::uint8_t> bytes)
{
    if (bytes.size() != kSize)
        return std::nullopt;
    LOGFONT lf;
    const std::uint8_t* p = bytes.data();
    for (std::int32_t* field : {&lf.lfHeight, &lf.lfWidth, &lf.lfEscapement, &lf.lfOrientation, &lf.lfWeight}) {
        *field = ReadInt32LE(p);
        p += 4;
    }
    for (std::uint8_t* field : {&lf.lfItalic, &lf.lfUnderline, &lf.lfStrikeOut, &lf.lfCharSet, &lf.lfOutPrecision,
                                &lf.lfClipPrecision, &lf.lfQuality, &lf.lfPitchAndFamily})
        *field = *p++;
    std::copy_n(p, kFaceSize, lf.lfFaceName.begin());
    return lf;
}
