#pragma once
#include <cstddef>
#include <cstdint>
#include <cstring>

// Fixed-size little-endian fields of the stored Windows structures.
inline std::int32_t ReadInt32LE(const std::uint8_t* p)
{
    const std::uint32_t u =
        std::uint32_t{p[0]} | (std::uint32_t{p[1]} << 8) | (std::uint32_t{p[2]} << 16) | (std::uint32_t{p[3]} << 24);
    std::int32_t n;
    std::memcpy(&n, &u, sizeof n);
    return n;
}

inline void WriteInt32LE(std::uint8_t* p, std::int32_t n)
{
    std::uint32_t u;
    std::memcpy(&u, &n, sizeof u);
    for (std::size_t i = 0; i < 4; ++i)
        p[i] = static_cast<std::uint8_t>(u >> (8 * i));
}
