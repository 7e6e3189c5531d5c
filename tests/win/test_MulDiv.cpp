#include <cstdint>
#include <limits>

#include <gtest/gtest.h>

#include "platform/win/MulDiv.h"

namespace {

struct MulDivCase {
    std::int32_t number, numerator, denominator, expected;
};

TEST(MulDiv, RoundsHalvesAwayFromZeroAndReportsFailureAsMinusOne)
{
    constexpr std::int32_t max = std::numeric_limits<std::int32_t>::max();
    constexpr std::int32_t min = std::numeric_limits<std::int32_t>::min();
    const MulDivCase cases[] = {
        {0, 97, 100, 0},       {100, 97, 100, 97},   {50, 97, 100, 49},    // 48.5 -> 49
        {5, 1, 2, 3},          {-5, 1, 2, -3},       {5, -1, 2, -3},       {-5, -1, 2, 3},
        {5, 1, -2, -3},        {7, 1, 3, 2},         {8, 1, 3, 3},         {-8, 1, 3, -3},
        {1, 1, 3, 0},          {-1, 1, 3, 0},        {10, 97, 0, -1},      {0, 0, 0, -1},
        {max, max, max, max},  {max, 2, 2, max},     {min, 1, 1, min},     {min, -1, 1, -1},
        {max, max, 1, -1},     {65536, 65536, 2, -1}, {65536, 32768, 1, -1}, {65536, 32767, 1, 2147418112},
    };
    for (const MulDivCase& c : cases)
        EXPECT_EQ(MulDiv(c.number, c.numerator, c.denominator), c.expected)
            << c.number << " * " << c.numerator << " / " << c.denominator;
}

}  // namespace
