#pragma once
#include <cstdint>

// nNumber * nNumerator / nDenominator with a 64-bit product, rounded half away
// from zero; -1 when nDenominator is 0 or the result does not fit an int.
int MulDiv(int nNumber, int nNumerator, int nDenominator);

// a * b / c rounded half away from zero, as MulDiv does, for figures an int may not hold;
// a * b must fit 64 bits and c must be above 0.
std::int64_t MulDiv64(std::int64_t a, std::int64_t b, std::int64_t c);
// n held to the range of an int.
int ClampToInt(std::int64_t n);
