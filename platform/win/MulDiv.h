#pragma once
// MulDiv of the platform: number * numerator / denominator with a 64-bit product, rounded to the
// nearest integer with halves rounded away from zero; -1 when the denominator is 0 or the result
// doesn't fit 32 bits.
#include <cstdint>

std::int32_t MulDiv(std::int32_t number, std::int32_t numerator, std::int32_t denominator);
