#pragma once
// The luminance measure: the one brightness number (1..255) that the whole analysis works with.
#include <array>
#include <cstdint>

#include "platform/graphics/Types.h"

// The measure is 1 + floor(0.11·B + 0.59·G + 0.3·R), taken with the binary64 weights nearest to
// 0.11, 0.59 and 0.3. Those weights are off from the decimals by exactly (1, −56, −20)/K with
// K = 25·2^56, so on colours whose decimal sum is a whole number the weighted sum lands just below
// it (the measure drops by one) whenever B < 56·G + 20·R. Black measures 1 and white 255.
//
// The fixed-point weights below are the decimals scaled by 2^24 plus 0.24·(1, −56, −20): the same
// direction of error as the binary64 weights, and at most 0.24·19,380 < 2^24/100 in size, so the
// shifted sum falls on the same side of every whole number as the exact weighted sum. They add up
// to less than 2^24, so 255 times their sum fits in 32 bits.
namespace LuminanceFixedPoint {
inline constexpr std::uint32_t BlueWeight = 1845494;   // 0.11 · 2^24 + 0.24
inline constexpr std::uint32_t GreenWeight = 9898544;  // 0.59 · 2^24 − 56 · 0.24
inline constexpr std::uint32_t RedWeight = 5033160;    // 0.3  · 2^24 − 20 · 0.24
inline constexpr int Shift = 24;

// Each channel value times its weight, looked up rather than multiplied: three small loads beat
// three multiplications in a loop over a picture.
struct ChannelProducts {
    std::array<std::uint32_t, 256> Blue{}, Green{}, Red{};
};
inline constexpr ChannelProducts Products = [] {
    ChannelProducts products;
    for (std::uint32_t value = 0; value < 256; ++value) {
        products.Blue[value] = value * BlueWeight;
        products.Green[value] = value * GreenWeight;
        products.Red[value] = value * RedWeight;
    }
    return products;
}();
}  // namespace LuminanceFixedPoint

// The top byte of the colour is ignored: a read outside the picture, 0xFFFFFFFF, measures like white.
inline constexpr unsigned Luminance(TColor colour)
{
    using namespace LuminanceFixedPoint;
    const std::uint32_t sum = Products.Blue[(colour >> 16) & 0xFF] + Products.Green[(colour >> 8) & 0xFF] +
                              Products.Red[colour & 0xFF];
    return 1 + (sum >> Shift);
}
