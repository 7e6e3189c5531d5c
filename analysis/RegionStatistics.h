#pragma once
// The rectangular region of the contrast tab: the centres it may take, the pixels it covers, their
// largest and smallest luminance measure and the Michelson contrast (max − min) / (max + min). Plain
// functions of a bitmap and numbers, so they serve a tool without a window as well as the tab.
#include <cstdint>
#include <string>

#include "analysis/Extremes.h"
#include "platform/graphics/Types.h"

class TBitmap;

// Half-sizes are typed by the user and may be negative or far larger than the picture, so every
// bound is held in 64 bits: no sum or doubling of a 32-bit value can overflow.
struct TRegionBounds {
    std::int64_t Left = 0, Top = 0, Right = 0, Bottom = 0;  // columns Left..Right-1, rows Top..Bottom-1
    bool Empty() const { return Left >= Right || Top >= Bottom; }
};

// The 2·halfWidth columns by 2·halfHeight rows around a centre: columns x − halfWidth to
// x + halfWidth − 1, rows likewise. Empty when either half-size is 0 or negative.
TRegionBounds RegionAround(TPoint center, std::int32_t halfWidth, std::int32_t halfHeight);

// True when halfWidth ≤ x ≤ width − halfWidth and halfHeight ≤ y ≤ height − halfHeight: for
// non-negative half-sizes the region around such a centre lies inside a width × height slot.
bool IsAllowedCenter(TPoint center, std::int32_t halfWidth, std::int32_t halfHeight, std::int32_t width,
                     std::int32_t height);

// The extremes of the luminance measures of the region's pixels. Pixels outside the picture read
// as white and measure 255. An empty region leaves the extremes at their start values (0 and 255).
Extremes MeasureRegion(const TBitmap& picture, const TRegionBounds& region);

// The contrast as shown: "ERR" when maximum + minimum is 0, otherwise the quotient
// (maximum − minimum) / (maximum + minimum) taken in extended precision (binary64 would get the
// last of the 15 digits wrong for some pairs) and written with FloatToStr. A maximum below the
// minimum (an empty region: 0 and 255) gives a negative quotient.
std::string ContrastText(unsigned maximum, unsigned minimum);
