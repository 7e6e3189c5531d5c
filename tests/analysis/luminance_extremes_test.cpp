#include <algorithm>
#include <random>
#include <vector>

#include <gtest/gtest.h>

#include "analysis/Extremes.h"

namespace {

Extremes Over(const std::vector<unsigned>& measures)
{
    Extremes extremes;
    for (unsigned measure : measures)
        extremes.Add(measure);
    return extremes;
}

TEST(Extremes, AMeasureOfOneCountsAsZero)
{
    struct Case {
        std::vector<unsigned> measures;
        unsigned max, min;
    };
    const Case cases[] = {
        {{}, 0, 255},           {{1, 1, 1}, 0, 0},     {{1, 200}, 200, 0},    {{200, 1}, 200, 0},
        {{200}, 200, 200},      {{2, 1}, 2, 0},        {{255, 2, 255}, 255, 2}, {{255}, 255, 255},
    };
    for (const Case& c : cases) {
        const Extremes extremes = Over(c.measures);
        EXPECT_EQ(extremes.Max, c.max) << ::testing::PrintToString(c.measures);
        EXPECT_EQ(extremes.Min, c.min) << ::testing::PrintToString(c.measures);
    }
}

TEST(Extremes, OrderOfArrivalDoesNotMatter)
{
    // Largest measure of 2 or more (else 0); 0 if any measure is 1, else the smallest.
    std::mt19937 random(7);
    std::uniform_int_distribution<unsigned> length(1, 12), measure(1, 255), lowMeasure(1, 3);
    for (int round = 0; round < 500; ++round) {
        std::vector<unsigned> measures(length(random));
        for (unsigned& m : measures)
            m = round % 2 ? lowMeasure(random) : measure(random);
        const unsigned largest = *std::max_element(measures.begin(), measures.end());
        const unsigned smallest = *std::min_element(measures.begin(), measures.end());
        const unsigned expectedMax = largest >= 2 ? largest : 0;
        const unsigned expectedMin = smallest == 1 ? 0 : smallest;
        for (int order = 0; order < 3; ++order) {
            std::shuffle(measures.begin(), measures.end(), random);
            const Extremes extremes = Over(measures);
            ASSERT_EQ(extremes.Max, expectedMax) << ::testing::PrintToString(measures);
            ASSERT_EQ(extremes.Min, expectedMin) << ::testing::PrintToString(measures);
        }
    }
}

}  // namespace
