#include "analysis/GraphScale.h"

#include <cstdint>

int GraphStartPosition(unsigned measure, int axisLength)
{
    const std::int64_t scaled = std::int64_t{measure} * axisLength;  // 64 bits: no overflow for any input
    return static_cast<int>(axisLength - scaled / 256);
}

int GraphLinePosition(unsigned measure, int axisLength)
{
    const std::int64_t scaled = std::int64_t{measure} * axisLength;
    return static_cast<int>(axisLength - (scaled + 255) / 256);
}

int GraphReadBack(int index, int axisLength)
{
    // Units per pixel in extended precision, then each step rounded to single precision: the
    // exact sequence of roundings gives the values users see on a graph of any length.
    const long double unitsPerPixel = 256.0L / axisLength;
    const float offset = static_cast<float>(index * unitsPerPixel);
    const float value = static_cast<float>(255.0L - offset);
    return static_cast<int>(value);
}
