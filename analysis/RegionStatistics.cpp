#include "analysis/RegionStatistics.h"

#include <algorithm>
#include <array>

#include "analysis/Luminance.h"
#include "platform/core/SysUtils.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/DibPixels.h"

namespace {

// Raw smallest and largest measure of one row. The extremes rule only asks whether some measure is
// 1 and which is the largest of the rest, so a row's raw minimum and maximum, added to the running
// extremes, give what adding each of its measures would: the scan stays a tight loop.
struct RowRange {
    unsigned Low = 255;
    unsigned High = 0;

    void Add(unsigned measure)
    {
        Low = std::min(Low, measure);
        High = std::max(High, measure);
    }
};

// Luminance is 1 + (sum >> Shift) of the fixed-point weighted sum, which never falls as the sum
// grows: the row's smallest and largest sums give its smallest and largest measures, so the loop
// keeps sums and converts only those two.
template <std::size_t BytesPerPixel>
RowRange MeasureDirectRow(const std::uint8_t* row, std::int64_t left, std::int64_t right)
{
    using namespace LuminanceFixedPoint;
    std::uint32_t lowest = UINT32_MAX, highest = 0;
    const std::uint8_t* pixel = row + left * static_cast<std::int64_t>(BytesPerPixel);
    for (std::int64_t x = left; x < right; ++x, pixel += BytesPerPixel) {
        const std::uint32_t sum = Products.Blue[pixel[0]] + Products.Green[pixel[1]] + Products.Red[pixel[2]];
        lowest = std::min(lowest, sum);
        highest = std::max(highest, sum);
    }
    return {1 + (lowest >> Shift), 1 + (highest >> Shift)};
}

// The measure of each palette index; an index beyond the colour table reads as black.
std::array<std::uint8_t, 256> PaletteMeasures(const TDib& dib)
{
    std::array<std::uint8_t, 256> measures;
    measures.fill(static_cast<std::uint8_t>(Luminance(clBlack)));
    for (std::size_t i = 0; i < dib.Palette.size() && i < measures.size(); ++i) {
        const TRGBQuad& entry = dib.Palette[i];
        measures[i] = static_cast<std::uint8_t>(Luminance(RGB(entry.rgbRed, entry.rgbGreen, entry.rgbBlue)));
    }
    return measures;
}

RowRange MeasureIndexedRow(const std::uint8_t* row, std::int64_t left, std::int64_t right,
                           const std::array<std::uint8_t, 256>& measures)
{
    RowRange range;
    for (std::int64_t x = left; x < right; ++x)
        range.Add(measures[row[x]]);
    return range;
}

RowRange MeasureAnyRow(const TDib& dib, std::int32_t y, std::int64_t left, std::int64_t right)
{
    RowRange range;
    for (std::int64_t x = left; x < right; ++x)
        range.Add(Luminance(ReadDibPixel(dib, static_cast<std::int32_t>(x), y)));
    return range;
}

}  // namespace

TRegionBounds RegionAround(TPoint center, std::int32_t halfWidth, std::int32_t halfHeight)
{
    if (halfWidth <= 0 || halfHeight <= 0)
        return {};
    return {std::int64_t{center.X} - halfWidth, std::int64_t{center.Y} - halfHeight,
            std::int64_t{center.X} + halfWidth, std::int64_t{center.Y} + halfHeight};
}

bool IsAllowedCenter(TPoint center, std::int32_t halfWidth, std::int32_t halfHeight, std::int32_t width,
                     std::int32_t height)
{
    const std::int64_t x = center.X, y = center.Y;
    return halfWidth <= x && x <= std::int64_t{width} - halfWidth && halfHeight <= y &&
           y <= std::int64_t{height} - halfHeight;
}

Extremes MeasureRegion(const TBitmap& picture, const TRegionBounds& region)
{
    Extremes extremes;
    if (region.Empty())
        return extremes;
    const TDib& dib = picture.Dib();
    const std::int64_t left = std::max<std::int64_t>(region.Left, 0);
    const std::int64_t top = std::max<std::int64_t>(region.Top, 0);
    const std::int64_t right = std::min<std::int64_t>(region.Right, dib.Width);
    const std::int64_t bottom = std::min<std::int64_t>(region.Bottom, dib.Height);
    // However many pixels lie outside the picture, they all measure alike: one of them is enough.
    const bool inside = left < right && top < bottom;
    if (!inside || left != region.Left || top != region.Top || right != region.Right || bottom != region.Bottom)
        extremes.Add(Luminance(InvalidColor));
    if (!inside)
        return extremes;

    std::array<std::uint8_t, 256> paletteMeasures{};
    if (dib.PixelFormat == TPixelFormat::pf8bit)
        paletteMeasures = PaletteMeasures(dib);
    for (std::int64_t y = top; y < bottom; ++y) {
        const auto row = static_cast<std::int32_t>(y);
        RowRange range;
        switch (dib.PixelFormat) {
        case TPixelFormat::pf24bit: range = MeasureDirectRow<3>(dib.Row(row), left, right); break;
        case TPixelFormat::pf32bit: range = MeasureDirectRow<4>(dib.Row(row), left, right); break;
        case TPixelFormat::pf8bit: range = MeasureIndexedRow(dib.Row(row), left, right, paletteMeasures); break;
        default: range = MeasureAnyRow(dib, row, left, right); break;
        }
        extremes.Add(range.High);
        extremes.Add(range.Low);
    }
    return extremes;
}

std::string ContrastText(unsigned maximum, unsigned minimum)
{
    // The difference and the sum of two 32-bit values are exact in a 64-bit significand, so the
    // division is the only rounding before the 15 digits.
    const long double difference = static_cast<long double>(maximum) - static_cast<long double>(minimum);
    const long double sum = static_cast<long double>(maximum) + static_cast<long double>(minimum);
    if (sum == 0)
        return "ERR";
    return FloatToStr(difference / sum);
}
