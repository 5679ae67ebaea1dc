#include "core/settings/WindowPlacement.h"

#include "core/base/LittleEndian.h"

namespace {
// Every field is 32 bits, in declaration order.
template <typename Placement> auto Fields(Placement& wp)
{
    return std::array{reinterpret_cast<std::int32_t*>(&wp.length),
                      reinterpret_cast<std::int32_t*>(&wp.flags),
                      reinterpret_cast<std::int32_t*>(&wp.showCmd),
                      &wp.ptMinX,
                      &wp.ptMinY,
                      &wp.ptMaxX,
                      &wp.ptMaxY,
                      &wp.left,
                      &wp.top,
                      &wp.right,
                      &wp.bottom};
}
} // namespace

std::array<std::uint8_t, WINDOWPLACEMENT::kSize> WINDOWPLACEMENT::ToBytes() const
{
    std::array<std::uint8_t, kSize> out{};
    WINDOWPLACEMENT copy = *this;
    std::uint8_t* p = out.data();
    for (std::int32_t* field : Fields(copy)) {
        WriteInt32LE(p, *field);
        p += 4;
    }
    return out;
}

std::optional<WINDOWPLACEMENT> WINDOWPLACEMENT::FromBytes(std::span<const std::uint8_t> bytes)
{
    if (bytes.size() != kSize)
        return std::nullopt;
    WINDOWPLACEMENT wp;
    const std::uint8_t* p = bytes.data();
    for (std::int32_t* field : Fields(wp)) {
        *field = ReadInt32LE(p);
        p += 4;
    }
    return wp;
}
