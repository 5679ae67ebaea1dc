#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <span>

// The main window's placement in the 44-byte layout of the Windows WINDOWPLACEMENT structure.
struct WINDOWPLACEMENT
{
    static constexpr std::size_t kSize = 44;
    static constexpr std::uint32_t WPF_SETMINPOSITION = 1;
    static constexpr std::uint32_t SW_SHOWNORMAL = 1;

    std::uint32_t length = kSize;
    std::uint32_t flags = 0;
    std::uint32_t showCmd = 0;
    std::int32_t ptMinX = 0, ptMinY = 0;
    std::int32_t ptMaxX = 0, ptMaxY = 0;
    // Normal (restored) window rectangle, screen pixels.
    std::int32_t left = 0, top = 0, right = 0, bottom = 0;

    std::array<std::uint8_t, kSize> ToBytes() const;
    // Nothing unless bytes holds exactly 44 bytes.
    static std::optional<WINDOWPLACEMENT> FromBytes(std::span<const std::uint8_t> bytes);

    bool operator==(const WINDOWPLACEMENT&) const = default;
};
