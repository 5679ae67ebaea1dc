#include "core/base/MulDiv.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <limits>

int MulDiv(int nNumber, int nNumerator, int nDenominator)
{
    if (nDenominator == 0)
        return -1;
    const std::int64_t product = std::int64_t{nNumber} * nNumerator;
    const bool negative = (product < 0) != (nDenominator < 0);
    // |product| fits easily: |INT_MIN * INT_MIN| is 2^62.
    const std::uint64_t num = static_cast<std::uint64_t>(product < 0 ? -product : product);
    const std::uint64_t den = static_cast<std::uint64_t>(std::llabs(std::int64_t{nDenominator}));
    const std::uint64_t magnitude = (num + den / 2) / den;
    const std::int64_t result = negative ? -static_cast<std::int64_t>(magnitude) : static_cast<std::int64_t>(magnitude);
    if (result > std::numeric_limits<int>::max() || result < std::numeric_limits<int>::min())
        return -1;
    return static_cast<int>(result);
}

std::int64_t MulDiv64(std::int64_t a, std::int64_t b, std::int64_t c)
{
    const std::int64_t product = a * b;
    const std::int64_t half = c / 2;
    return product >= 0 ? (product + half) / c : -((-product + half) / c);
}

int ClampToInt(std::int64_t n)
{
    return static_cast<int>(
        std::clamp<std::int64_t>(n, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}
