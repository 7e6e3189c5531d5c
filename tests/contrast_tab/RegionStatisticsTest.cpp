// The region's geometry and its extremes, measured row by row from the pixel store, against the
// slow way: every pixel read through the canvas, measured and added to the extremes one by one.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <vector>

#include "analysis/Luminance.h"
#include "analysis/RegionStatistics.h"
#include "platform/graphics/Bitmap.h"

namespace {

constexpr std::int32_t Max32 = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t Min32 = std::numeric_limits<std::int32_t>::min();

Extremes PixelByPixel(TBitmap& picture, const TRegionBounds& region)
{
    Extremes extremes;
    for (std::int64_t y = region.Top; y < region.Bottom; ++y)
        for (std::int64_t x = region.Left; x < region.Right; ++x)
            extremes.Add(Luminance(picture.Canvas().Pixel(static_cast<std::int32_t>(x), static_cast<std::int32_t>(y))));
    return extremes;
}

// Colours that change across the picture, so that each region has extremes of its own, with one
// black pixel (measure 1) at (5, 7).
std::unique_ptr<TBitmap> GradientPicture(TPixelFormat format)
{
    auto picture = std::make_unique<TBitmap>();
    picture->SetSize(40, 30);
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 40; ++x)
            picture->SetPixelAt(x, y, RGB(static_cast<std::uint8_t>(40 + 5 * x), static_cast<std::uint8_t>(30 + 7 * y),
                                          static_cast<std::uint8_t>(3 * (x + y))));
    picture->SetPixelAt(5, 7, clBlack);
    picture->SetPixelFormat(format);
    return picture;
}

TEST(RegionStatisticsTest, RowScanAgreesWithPixelReadsInEveryPixelFormat)
{
    const std::vector<TRegionBounds> regions = {
        {0, 0, 40, 30},     // whole picture, black pixel included
        {10, 10, 30, 20},   // inside, away from the black pixel
        {6, 0, 7, 30},      // one column
        {0, 12, 40, 13},    // one row
        {-3, 5, 8, 9},      // reaching past the left edge: outside reads white
        {35, 25, 45, 35},   // past the right and bottom edges
        {50, 50, 60, 60},   // wholly outside
    };
    for (TPixelFormat format : {TPixelFormat::pf1bit, TPixelFormat::pf4bit, TPixelFormat::pf8bit, TPixelFormat::pf15bit,
                                TPixelFormat::pf16bit, TPixelFormat::pf24bit, TPixelFormat::pf32bit}) {
        auto picture = GradientPicture(format);
        for (const TRegionBounds& region : regions) {
            SCOPED_TRACE(testing::Message() << "format " << static_cast<int>(format) << ", region " << region.Left
                                            << "," << region.Top << "," << region.Right << "," << region.Bottom);
            const Extremes expected = PixelByPixel(*picture, region);
            const Extremes measured = MeasureRegion(*picture, region);
            EXPECT_EQ(measured.Max, expected.Max);
            EXPECT_EQ(measured.Min, expected.Min);
        }
    }
}

TEST(RegionStatisticsTest, PaletteIndexBeyondTheColourTableMeasuresAsBlack)
{
    TDib dib;
    dib.Allocate(4, 1, TPixelFormat::pf8bit);
    dib.Palette = {TRGBQuad{200, 200, 200, 0}, TRGBQuad{90, 90, 90, 0}};
    dib.Row(0)[0] = 0;
    dib.Row(0)[1] = 1;
    dib.Row(0)[2] = 0;
    dib.Row(0)[3] = 1;
    TBitmap picture;
    picture.SetDib(dib);
    Extremes inside = MeasureRegion(picture, {0, 0, 4, 1});
    EXPECT_EQ(inside.Max, 200u);
    EXPECT_EQ(inside.Min, 90u);

    dib.Row(0)[3] = 7;  // no such entry
    picture.SetDib(dib);
    const Extremes withStray = MeasureRegion(picture, {0, 0, 4, 1});
    EXPECT_EQ(withStray.Max, 200u);
    EXPECT_EQ(withStray.Min, 0u);
}

TEST(RegionStatisticsTest, ExtremesOfUniformAndEmptyRegions)
{
    struct Case {
        TColor colour;
        TRegionBounds region;
        unsigned max, min;
        const char* contrast;
    };
    for (const Case& c : {Case{clBlack, {0, 0, 8, 8}, 0, 0, "ERR"},         // every pixel measures 1
                          Case{RGB(1, 1, 1), {2, 2, 5, 5}, 0, 0, "ERR"},
                          Case{clWhite, {0, 0, 8, 8}, 255, 255, "0"},
                          Case{clBlack, {3, 3, 3, 6}, 0, 255, "-1"},      // no columns
                          Case{clBlack, {0, 0, 0, 0}, 0, 255, "-1"}}) {
        TBitmap picture;
        picture.SetSize(8, 8);
        picture.Canvas().Brush.Color = c.colour;
        picture.Canvas().FillRect(Rect(0, 0, 8, 8));
        const Extremes extremes = MeasureRegion(picture, c.region);
        EXPECT_EQ(extremes.Max, c.max);
        EXPECT_EQ(extremes.Min, c.min);
        EXPECT_EQ(ContrastText(extremes.Max, extremes.Min), c.contrast);
    }
}

TEST(RegionStatisticsTest, EmptyPictureReadsWhite)
{
    TBitmap empty;
    const Extremes extremes = MeasureRegion(empty, RegionAround(Point(20, 20), 20, 20));
    EXPECT_EQ(extremes.Max, 255u);
    EXPECT_EQ(extremes.Min, 255u);
}

TEST(RegionStatisticsTest, RegionCoversTwiceTheHalfSizesEndingBeforeCentrePlusHalf)
{
    const TRegionBounds region = RegionAround(Point(100, 100), 20, 10);
    EXPECT_EQ(region.Left, 80);
    EXPECT_EQ(region.Right, 120);
    EXPECT_EQ(region.Top, 90);
    EXPECT_EQ(region.Bottom, 110);
    EXPECT_TRUE(RegionAround(Point(100, 100), 0, 10).Empty());
    EXPECT_TRUE(RegionAround(Point(100, 100), -5, 10).Empty());
    EXPECT_TRUE(RegionAround(Point(100, 100), 10, -5).Empty());
    const TRegionBounds huge = RegionAround(Point(Max32, Min32), Max32, Max32);
    EXPECT_EQ(huge.Right - huge.Left, 2 * std::int64_t{Max32});
}

TEST(RegionStatisticsTest, AllowedCentres)
{
    struct Case {
        TPoint centre;
        std::int32_t halfWidth, halfHeight;
        bool allowed;
    };
    for (const Case& c : {Case{{20, 20}, 20, 20, true}, Case{{300, 220}, 20, 20, true},
                          Case{{19, 20}, 20, 20, false}, Case{{301, 220}, 20, 20, false},
                          Case{{20, 19}, 20, 20, false}, Case{{300, 221}, 20, 20, false},
                          Case{{160, 120}, 160, 120, true}, Case{{159, 120}, 160, 120, false},
                          Case{{161, 120}, 160, 120, false}, Case{{160, 121}, 160, 120, false},
                          Case{{0, 0}, 0, 0, true}, Case{{320, 240}, 0, 0, true}, Case{{321, 0}, 0, 0, false},
                          Case{{-5, 100}, -5, 20, true}, Case{{325, 100}, -5, 20, true}, Case{{326, 100}, -5, 20, false},
                          // Far-off sizes and pointers must not wrap around into an allowed centre.
                          Case{{Max32, Max32}, Min32, Min32, true}, Case{{0, 0}, Min32, Min32, true},
                          Case{{Min32, 0}, Max32, 0, false}, Case{{160, 120}, Max32, Max32, false}}) {
        EXPECT_EQ(IsAllowedCenter(c.centre, c.halfWidth, c.halfHeight, 320, 240), c.allowed)
            << c.centre.X << "," << c.centre.Y << " half " << c.halfWidth << "," << c.halfHeight;
    }
}

}  // namespace
