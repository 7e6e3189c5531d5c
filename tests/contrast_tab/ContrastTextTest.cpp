// The contrast text checked against a reference built from integers alone: the quotient rounded to
// a 64-bit significand with exact 128-bit arithmetic, then to 15 significant decimal digits.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "analysis/RegionStatistics.h"
#include "platform/core/SysUtils.h"

namespace {

using u128 = unsigned __int128;

// numerator / denominator (0 < numerator <= denominator) as significand × 2^-exponent with
// 2^63 <= significand < 2^64, rounded to nearest, ties to even.
struct Extended {
    std::uint64_t Significand;
    int Exponent;
};

Extended RoundToExtended(std::uint32_t numerator, std::uint32_t denominator)
{
    int exponent = 0;
    while ((u128{numerator} << exponent) < (u128{denominator} << 63))
        ++exponent;
    const u128 scaled = u128{numerator} << exponent;
    u128 quotient = scaled / denominator;
    const u128 twiceRemainder = 2 * (scaled % denominator);
    if (twiceRemainder > denominator || (twiceRemainder == denominator && (quotient & 1) != 0))
        ++quotient;
    if (quotient == u128{1} << 64) {
        quotient >>= 1;
        --exponent;
    }
    return {static_cast<std::uint64_t>(quotient), exponent};
}

u128 PowerOfTen(int n)
{
    u128 power = 1;
    while (n-- > 0)
        power *= 10;
    return power;
}

// The value rounded to 15 significant digits (a tie away from zero) and written in fixed point,
// trailing zeros dropped. Every contrast lies between 1/509 and 1, which keeps the products below
// 2^128.
std::string FifteenDigits(Extended value)
{
    const u128 low = PowerOfTen(14) << value.Exponent;  // 10^14 · 2^e
    int places = 0;
    while (u128{value.Significand} * PowerOfTen(places) < low)
        ++places;
    const u128 scaled = u128{value.Significand} * PowerOfTen(places);
    const u128 unit = u128{1} << value.Exponent;
    u128 digits = scaled / unit;
    if (2 * (scaled % unit) >= unit)
        ++digits;
    if (digits == PowerOfTen(15)) {
        digits /= 10;
        --places;
    }
    std::string text;
    for (u128 rest = digits; rest != 0; rest /= 10)
        text.insert(text.begin(), static_cast<char>('0' + static_cast<int>(rest % 10)));
    if (places <= 0)
        return text + std::string(static_cast<std::size_t>(-places), '0');
    if (text.size() <= static_cast<std::size_t>(places))
        text.insert(0, static_cast<std::size_t>(places) + 1 - text.size(), '0');
    std::string fraction = text.substr(text.size() - static_cast<std::size_t>(places));
    const std::string whole = text.substr(0, text.size() - static_cast<std::size_t>(places));
    fraction.erase(fraction.find_last_not_of('0') + 1);
    return fraction.empty() ? whole : whole + "." + fraction;
}

std::string ReferenceContrast(unsigned maximum, unsigned minimum)
{
    return FifteenDigits(RoundToExtended(maximum - minimum, maximum + minimum));
}

TEST(ContrastTextTest, EveryPairWithMaximumAboveMinimumMatchesTheIntegerReference)
{
    int pairs = 0, binary64Misses = 0;
    for (unsigned maximum = 1; maximum <= 255; ++maximum)
        for (unsigned minimum = 0; minimum < maximum; ++minimum) {
            ++pairs;
            const std::string expected = ReferenceContrast(maximum, minimum);
            ASSERT_EQ(ContrastText(maximum, minimum), expected) << maximum << ", " << minimum;
            const double binary64 = static_cast<double>(maximum - minimum) / static_cast<double>(maximum + minimum);
            if (FloatToStr(binary64) != expected)
                ++binary64Misses;
        }
    EXPECT_EQ(pairs, 32640);
    // The reference tells extended precision from binary64, which misses the last digit here.
    EXPECT_EQ(binary64Misses, 516);
}

TEST(ContrastTextTest, ShowsTheKnownExamples)
{
    struct Case {
        unsigned maximum, minimum;
        const char* text;
    };
    for (const Case& c : {Case{200, 50, "0.6"}, Case{150, 30, "0.666666666666667"}, Case{255, 0, "1"},
                          Case{100, 100, "0"}, Case{25, 22, "0.0638297872340426"}, Case{0, 0, "ERR"},
                          Case{0, 255, "-1"}})  // an empty region keeps the start values
        EXPECT_EQ(ContrastText(c.maximum, c.minimum), c.text) << c.maximum << ", " << c.minimum;
}

}  // namespace
