#include <cmath>
#include <cstdint>
#include <limits>

#include <gtest/gtest.h>

#include "analysis/Luminance.h"

namespace {

// The weights as the original arithmetic stores them: the binary64 values nearest to the decimals.
constexpr double BlueWeight = 0.11;
constexpr double GreenWeight = 0.59;
constexpr double RedWeight = 0.3;

// The measure evaluated the long way: each product and sum in extended precision (64-bit
// significand), in this order, then truncated. Every intermediate is exact there, so this is the
// true value of 1 + floor(B·wB + G·wG + R·wR).
unsigned ExtendedPrecisionMeasure(unsigned blue, unsigned green, unsigned red)
{
    long double sum = blue * static_cast<long double>(BlueWeight);
    sum += green * static_cast<long double>(GreenWeight);
    sum += red * static_cast<long double>(RedWeight);
    sum += 1.0f;
    return static_cast<unsigned>(sum);
}

// The same order in binary64, which rounds and so must not be used.
unsigned DoublePrecisionMeasure(unsigned blue, unsigned green, unsigned red)
{
    double sum = blue * BlueWeight;
    sum += green * GreenWeight;
    sum += red * RedWeight;
    sum += 1.0f;
    return static_cast<unsigned>(sum);
}

// Integer significand of a binary64 weight, scaled so that weight = significand / 2^shift exactly.
std::uint64_t Significand(double weight, int shift)
{
    return static_cast<std::uint64_t>(std::ldexp(weight, shift));
}

TEST(LuminanceWeights, AreTheDecimalsShiftedByOneTwentyFifthOfTwoToTheMinus56)
{
    // With K = 25·2^56: wB = 0.11 + 1/K, wG = 0.59 − 56/K, wR = 0.3 − 20/K. Multiplying through by K
    // leaves integers: 0.11·K = 11·2^54, 0.59·K = 59·2^54, 0.3·K = 30·2^54.
    ASSERT_EQ(std::numeric_limits<long double>::digits, 64) << "the reference needs a 64-bit significand";
    constexpr std::uint64_t twoTo54 = std::uint64_t{1} << 54;
    // 0.11 lies in [2^-4, 2^-3): ulp 2^-56, so wB·K = 25·M.
    EXPECT_EQ(25 * Significand(BlueWeight, 56), 11 * twoTo54 + 1);
    // 0.59 lies in [2^-1, 1): ulp 2^-53, so wG·K = 25·8·M.
    EXPECT_EQ(200 * Significand(GreenWeight, 53), 59 * twoTo54 - 56);
    // 0.3 lies in [2^-2, 2^-1): ulp 2^-54, so wR·K = 25·4·M.
    EXPECT_EQ(100 * Significand(RedWeight, 54), 30 * twoTo54 - 20);
}

TEST(Luminance, EveryColourMeasuresAsInExtendedPrecisionAndByTheIntegerRule)
{
    unsigned long mismatches = 0, integerRuleMismatches = 0, topByteMismatches = 0;
    unsigned long integerRuleExceptions = 0, measuringOne = 0, liftedByDoublePrecision = 0;
    std::uint32_t firstMismatch = 0;
    for (std::uint32_t colour = 0; colour < (1u << 24); ++colour) {
        const unsigned blue = colour >> 16, green = (colour >> 8) & 0xFF, red = colour & 0xFF;
        const unsigned expected = ExtendedPrecisionMeasure(blue, green, red);

        const unsigned weighted = 11 * blue + 59 * green + 30 * red;
        const bool exception = weighted % 100 == 0 && blue < 56 * green + 20 * red;
        const unsigned integerRule = weighted / 100 + (exception ? 0 : 1);
        integerRuleExceptions += exception;
        integerRuleMismatches += integerRule != expected;

        const unsigned measure = Luminance(colour);
        if (measure != expected && mismatches++ == 0)
            firstMismatch = colour;
        // Spread every top-byte value over the colours.
        const std::uint32_t topByte = (colour * 2654435761u) & 0xFF000000u;
        topByteMismatches += Luminance(colour | topByte) != measure;

        measuringOne += expected == 1;
        liftedByDoublePrecision += DoublePrecisionMeasure(blue, green, red) != expected;
    }
    EXPECT_EQ(mismatches, 0u) << "first wrong colour 0x" << std::hex << firstMismatch;
    EXPECT_EQ(topByteMismatches, 0u);
    // These counts show that the reference above really is the exact evaluation.
    EXPECT_EQ(integerRuleMismatches, 0u);
    EXPECT_EQ(integerRuleExceptions, 167'789u);
    EXPECT_EQ(measuringOne, 28u);
    EXPECT_EQ(liftedByDoublePrecision, 146'276u);
}

TEST(Luminance, ReferenceColours)
{
    struct Case {
        std::uint8_t red, green, blue;
        unsigned measure;
    };
    const Case cases[] = {
        {0, 0, 0, 1},        {1, 1, 1, 1},       {255, 255, 255, 255}, {255, 0, 0, 77},
        {0, 255, 0, 151},    {0, 0, 255, 29},    {255, 255, 0, 227},   {0, 255, 255, 179},
        {255, 0, 255, 105},  {10, 0, 0, 3},      {0, 0, 100, 12},      {2, 0, 40, 6},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Luminance(RGB(c.red, c.green, c.blue)), c.measure)
            << "R=" << +c.red << " G=" << +c.green << " B=" << +c.blue;
    for (unsigned grey = 1; grey <= 255; ++grey)
        EXPECT_EQ(Luminance(RGB(grey, grey, grey)), grey);
}

TEST(Luminance, ReadOutsideThePictureMeasuresLikeWhite)
{
    EXPECT_EQ(Luminance(InvalidColor), 255u);
    EXPECT_EQ(Luminance(0xFF000000u), 1u);
    EXPECT_EQ(Luminance(0x80000064u), Luminance(0x00000064u));
}

}  // namespace
