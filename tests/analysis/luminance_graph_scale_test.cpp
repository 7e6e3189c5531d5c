#include <cmath>

#include <gtest/gtest.h>

#include "analysis/GraphScale.h"

namespace {

constexpr int MainWindowAxis = 210;

TEST(GraphScale, PositionsOnTheMainWindowAxis)
{
    struct Case {
        unsigned measure;
        int start, line;
    };
    const Case cases[] = {{100, 128, 127}, {128, 105, 105}, {255, 1, 0}, {1, 210, 209}};
    for (const Case& c : cases) {
        EXPECT_EQ(GraphStartPosition(c.measure, MainWindowAxis), c.start) << c.measure;
        EXPECT_EQ(GraphLinePosition(c.measure, MainWindowAxis), c.line) << c.measure;
    }
    for (unsigned measure = 1; measure <= 255; ++measure) {
        const int expectedGap = measure == 128 ? 0 : 1;
        EXPECT_EQ(GraphStartPosition(measure, MainWindowAxis) - GraphLinePosition(measure, MainWindowAxis),
                  expectedGap)
            << measure;
    }
}

TEST(GraphScale, PositionsAreTheExactFloorAndCeilingOnAnyAxis)
{
    for (int axis : {1, 2, 7, 100, 210, 255, 256, 257, 1000, 4096}) {
        for (unsigned measure = 0; measure <= 255; ++measure) {
            const double units = measure * static_cast<double>(axis) / 256;  // exact in binary64
            ASSERT_EQ(GraphStartPosition(measure, axis), axis - static_cast<int>(std::floor(units)))
                << measure << " on " << axis;
            ASSERT_EQ(GraphLinePosition(measure, axis), static_cast<int>(std::floor(axis - units)))
                << measure << " on " << axis;
        }
    }
}

TEST(GraphScale, ReadBackOnTheMainWindowAxis)
{
    EXPECT_EQ(GraphReadBack(0, MainWindowAxis), 255);
    EXPECT_EQ(GraphReadBack(1, MainWindowAxis), 253);
    EXPECT_EQ(GraphReadBack(105, MainWindowAxis), 127);
    EXPECT_EQ(GraphReadBack(209, MainWindowAxis), 0);
    for (int index = 0; index < MainWindowAxis; ++index) {
        // floor(255 − 256·n/210), in integers (the numerator stays positive on this axis).
        const int exact = (255 * MainWindowAxis - 256 * index) / MainWindowAxis;
        EXPECT_EQ(GraphReadBack(index, MainWindowAxis), exact) << index;
    }
}

TEST(GraphScale, APlottedMeasureReadsBackAsItselfOrOneLess)
{
    struct Case {
        unsigned measure;
        int readBack;
    };
    for (const Case& c : {Case{100, 100}, Case{128, 127}, Case{1, 0}, Case{255, 255}})
        EXPECT_EQ(GraphReadBack(GraphLinePosition(c.measure, MainWindowAxis), MainWindowAxis), c.readBack)
            << c.measure;
    for (unsigned measure = 1; measure <= 255; ++measure) {
        const int value = GraphReadBack(GraphLinePosition(measure, MainWindowAxis), MainWindowAxis);
        EXPECT_TRUE(value == int(measure) || value == int(measure) - 1) << measure << " read back " << value;
    }
}

TEST(GraphScale, ReadBackRoundsThroughSinglePrecisionAndTruncates)
{
    // Where the exact value and the shown value part, the shown one is what the steps produce.
    // 256·33113/87391 = 97 + 1/87391 rounds up to 97 + 2^-17; 255 minus that is a tie that rounds to
    // 158 (exactly 157.99998...).
    EXPECT_EQ(GraphReadBack(33113, 87391), 158);
    // 255 − 2^-18 rounds to 255 in single precision.
    EXPECT_EQ(GraphReadBack(1, 1 << 26), 255);
    // −1 + 256/300 truncates toward zero.
    EXPECT_EQ(GraphReadBack(299, 300), 0);
}

}  // namespace
