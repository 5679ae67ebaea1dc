#pragma once

// nNumber * nNumerator / nDenominator with a 64-bit product, rounded half away
// from zero; -1 when nDenominator is 0 or the result does not fit an int.
int MulDiv(int nNumber, int nNumerator, int nDenominator);
