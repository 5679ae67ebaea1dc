#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

// A font description in the 60-byte layout of the Windows LOGFONTA structure.
struct LOGFONT
{
    static constexpr std::size_t kSize = 60;
    static constexpr std::size_t kFaceSize = 32;

    std::int32_t lfHeight = 0; // negative: character height in pixels
    std::int32_t lfWidth = 0;
    std::int32_t lfEscapement = 0;
    std::int32_t lfOrientation = 0;
    std::int32_t lfWeight = 0; // 400 normal, 700 bold
    std::uint8_t lfItalic = 0;
    std::uint8_t lfUnderline = 0;
    std::uint8_t lfStrikeOut = 0;
    std::uint8_t lfCharSet = 0;
    std::uint8_t lfOutPrecision = 0;
    std::uint8_t lfClipPrecision = 0;
    std::uint8_t lfQuality = 0;
    std::uint8_t lfPitchAndFamily = 0;
    std::array<std::uint8_t, kFaceSize> lfFaceName{}; // Shift-JIS, normally NUL-terminated

    // The face name's bytes up to the first NUL, never past the 32 stored bytes.
    std::string FaceNameBytes() const;
    // Stores up to 31 bytes and a terminating NUL; the caller cuts on a character boundary.
    void SetFaceNameBytes(std::string_view bytes);

    std::array<std::uint8_t, kSize> ToBytes() const;
    // Nothing unless bytes holds exactly 60 bytes.
    static std::optional<LOGFONT> FromBytes(std::span<const std::uint8_t> bytes);

    bool operator==(const LOGFONT&) const = default;
};
