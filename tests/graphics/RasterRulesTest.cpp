// The canvas lights exactly the pixels of the platform's cosmetic one-pixel pen: the analysis scans
// what it drew, so one pixel off is a wrong result.
#include <gtest/gtest.h>

#include <climits>
#include <random>

#include "GraphicsTestSupport.h"

namespace {

struct LineCase {
    const char* name;
    TPoint start;
    std::vector<TPoint> path;  // LineTo targets, in order
    PixelSet lit;
};

PixelSet Column(std::int32_t x, std::int32_t fromY, std::int32_t toY)
{
    PixelSet set;
    for (std::int32_t y = std::min(fromY, toY); y <= std::max(fromY, toY); ++y)
        set.insert({x, y});
    return set;
}

PixelSet Union(PixelSet a, const PixelSet& b)
{
    a.insert(b.begin(), b.end());
    return a;
}

// The rows of the raster table. Every row is drawn 8 pixels in from the corner, so that pixels at
// negative coordinates (the last-but-one row) are visible; the rule doesn't depend on the origin.
const std::vector<LineCase>& RasterTable()
{
    static const std::vector<LineCase> table = {
        {"steep_up", {0, 128}, {{1, 100}}, Union(Column(0, 114, 128), Column(1, 101, 113))},
        {"steep_down", {1, 100}, {{0, 128}}, Union(Column(1, 100, 113), Column(0, 114, 127))},
        {"shallow_forward", {5, 5}, {{8, 7}}, {{5, 5}, {6, 6}, {7, 6}}},
        {"shallow_backward", {8, 7}, {{5, 5}}, {{8, 7}, {7, 6}, {6, 6}}},
        {"x_major_3_1", {0, 0}, {{3, 1}}, {{0, 0}, {1, 0}, {2, 1}}},
        {"y_major_1_3", {0, 0}, {{1, 3}}, {{0, 0}, {0, 1}, {1, 2}}},
        {"tie_x_forward", {0, 0}, {{2, 1}}, {{0, 0}, {1, 0}}},
        {"tie_x_backward", {2, 1}, {{0, 0}}, {{2, 1}, {1, 0}}},
        {"tie_y_forward", {0, 0}, {{1, 2}}, {{0, 0}, {0, 1}}},
        {"tie_y_backward", {1, 2}, {{0, 0}}, {{1, 2}, {0, 1}}},
        {"negative_minor", {0, 0}, {{4, -2}}, {{0, 0}, {1, -1}, {2, -1}, {3, -2}}},
        {"one_pixel_step", {0, 128}, {{0, 127}, {1, 127}}, {{0, 128}, {0, 127}}},
    };
    return table;
}

void PrintTo(const LineCase& row, std::ostream* out) { *out << row.name; }

class RasterTableTest : public testing::TestWithParam<LineCase> {};

TEST_P(RasterTableTest, LightsExactlyTheTablesPixels)
{
    constexpr std::int32_t offset = 8;
    const LineCase& row = GetParam();
    TBitmap bitmap;
    MakeWhite(bitmap, 160, 160);
    bitmap.Canvas().Pen.Color = clBlack;
    bitmap.Canvas().MoveTo(row.start.X + offset, row.start.Y + offset);
    for (const TPoint& p : row.path)
        bitmap.Canvas().LineTo(p.X + offset, p.Y + offset);

    PixelSet expected;
    for (const auto& [x, y] : row.lit)
        expected.insert({x + offset, y + offset});
    EXPECT_EQ(NonWhite(bitmap), expected);
    EXPECT_EQ(bitmap.Canvas().PenPos(), Point(row.path.back().X + offset, row.path.back().Y + offset));
}

INSTANTIATE_TEST_SUITE_P(Table, RasterTableTest, testing::ValuesIn(RasterTable()),
                         [](const testing::TestParamInfo<LineCase>& info) { return std::string(info.param.name); });

TEST(LineTest, ZeroLengthLineLightsNothing)
{
    TBitmap bitmap;
    MakeWhite(bitmap, 8, 8);
    bitmap.Canvas().MoveTo(3, 3);
    bitmap.Canvas().LineTo(3, 3);
    EXPECT_TRUE(NonWhite(bitmap).empty());
}

TEST(LineTest, FortyFiveDegreesIsYMajorAndDirectionOnlyMovesTheEnds)
{
    // With |dx| = |dy| the diagonal is exact, so only the end rule shows; A->B and B->A share the
    // pixels between the ends.
    TBitmap forward, backward;
    MakeWhite(forward, 10, 10);
    MakeWhite(backward, 10, 10);
    forward.Canvas().MoveTo(1, 1);
    forward.Canvas().LineTo(6, 6);
    backward.Canvas().MoveTo(6, 6);
    backward.Canvas().LineTo(1, 1);
    EXPECT_EQ(NonWhite(forward), (PixelSet{{1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 5}}));
    EXPECT_EQ(NonWhite(backward), (PixelSet{{6, 6}, {5, 5}, {4, 4}, {3, 3}, {2, 2}}));
}

// The rule itself, evaluated for every k (or only for the k whose major coordinate lies inside the
// area, for lines too long to walk), with no clipping arithmetic.
PixelSet ReferenceLine(std::int64_t x0, std::int64_t y0, std::int64_t x1, std::int64_t y1, std::int32_t width,
                       std::int32_t height, bool walkEveryK)
{
    PixelSet lit;
    const std::int64_t dx = x1 - x0, dy = y1 - y0;
    const bool xMajor = std::llabs(dx) > std::llabs(dy);
    const std::int64_t n = xMajor ? std::llabs(dx) : std::llabs(dy);
    const std::int64_t d = xMajor ? dy : dx;
    const std::int64_t sign = (xMajor ? dx : dy) < 0 ? -1 : 1;
    const std::int64_t majorStart = xMajor ? x0 : y0, minorStart = xMajor ? y0 : x0;
    const auto visit = [&](std::int64_t k) {
        const __int128 num = 2 * static_cast<__int128>(k) * d - n, den = 2 * static_cast<__int128>(n);
        __int128 q = num / den;
        if (num > 0 && q * den != num)
            ++q;
        const std::int64_t major = majorStart + k * sign, minor = minorStart + static_cast<std::int64_t>(q);
        const std::int64_t x = xMajor ? major : minor, y = xMajor ? minor : major;
        if (x >= 0 && y >= 0 && x < width && y < height)
            lit.insert({static_cast<std::int32_t>(x), static_cast<std::int32_t>(y)});
    };
    if (walkEveryK) {
        for (std::int64_t k = 0; k < n; ++k)
            visit(k);
    } else {
        for (std::int64_t major = 0; major < (xMajor ? width : height); ++major) {
            const std::int64_t k = (major - majorStart) * sign;
            if (k >= 0 && k < n)
                visit(k);
        }
    }
    return lit;
}

PixelSet DrawLine(std::int32_t x0, std::int32_t y0, std::int32_t x1, std::int32_t y1, std::int32_t width,
                  std::int32_t height)
{
    TBitmap bitmap;
    MakeWhite(bitmap, width, height);
    bitmap.Canvas().MoveTo(x0, y0);
    bitmap.Canvas().LineTo(x1, y1);
    return NonWhite(bitmap);
}

TEST(LineClippingTest, LinesFromOutsideLightThePixelsOfTheUnclippedLine)
{
    std::mt19937 random(20240611);
    std::uniform_int_distribution<std::int32_t> coordinate(-60, 80);
    for (int i = 0; i < 400; ++i) {
        const std::int32_t x0 = coordinate(random), y0 = coordinate(random);
        const std::int32_t x1 = coordinate(random), y1 = coordinate(random);
        ASSERT_EQ(DrawLine(x0, y0, x1, y1, 23, 17), ReferenceLine(x0, y0, x1, y1, 23, 17, true))
            << x0 << "," << y0 << " -> " << x1 << "," << y1;
    }
}

TEST(LineClippingTest, MillionPixelLinesCrossingTheBitmap)
{
    const struct {
        std::int32_t x0, y0, x1, y1;
    } lines[] = {
        {-1000000, -3, 1000000, 40},   {1000000, 40, -1000000, -3},  {-7, -999999, 30, 1000001},
        {12, 1000000, 13, -1000000},   {-999983, 999979, 999979, -999983}, {-1000000, 20, 1000000, 20},
    };
    for (const auto& l : lines)
        EXPECT_EQ(DrawLine(l.x0, l.y0, l.x1, l.y1, 40, 30), ReferenceLine(l.x0, l.y0, l.x1, l.y1, 40, 30, true))
            << l.x0 << "," << l.y0 << " -> " << l.x1 << "," << l.y1;
}

TEST(LineClippingTest, LinesSpanningThe32BitRange)
{
    const struct {
        std::int32_t x0, y0, x1, y1;
    } lines[] = {
        {INT_MIN, -5, INT_MAX, 60},        {INT_MAX, 60, INT_MIN, -5},         {INT_MIN, INT_MIN, INT_MAX, INT_MAX},
        {INT_MAX, INT_MIN, INT_MIN, INT_MAX}, {3, INT_MIN, 40, INT_MAX},       {-1, INT_MAX, 2, INT_MIN},
        {INT_MIN, 10, 20, 11},             {INT_MIN, INT_MIN, INT_MIN, INT_MAX},
    };
    for (const auto& l : lines) {
        const PixelSet drawn = DrawLine(l.x0, l.y0, l.x1, l.y1, 50, 40);
        EXPECT_EQ(drawn, ReferenceLine(l.x0, l.y0, l.x1, l.y1, 50, 40, false))
            << l.x0 << "," << l.y0 << " -> " << l.x1 << "," << l.y1;
    }
    // The main diagonal of the whole plane passes through the bitmap's own diagonal.
    EXPECT_EQ(DrawLine(INT_MIN, INT_MIN, INT_MAX, INT_MAX, 4, 4), (PixelSet{{0, 0}, {1, 1}, {2, 2}, {3, 3}}));
}

TEST(PenModeTest, EveryModeIsItsBinaryRasterOperation)
{
    // With pen 1100 and pixel 1010 in the high nibble of every channel, the result nibble is the
    // operation's truth table, which is its R2_ code minus one; the low nibbles (pen 0, pixel 0)
    // show the table's last bit.
    const struct {
        TPenMode mode;
        int r2;
    } modes[] = {
        {TPenMode::pmBlack, 1},        {TPenMode::pmNotMerge, 2}, {TPenMode::pmMaskNotPen, 3},
        {TPenMode::pmNotCopy, 4},      {TPenMode::pmMaskPenNot, 5}, {TPenMode::pmNot, 6},
        {TPenMode::pmXor, 7},          {TPenMode::pmNotMask, 8},  {TPenMode::pmMask, 9},
        {TPenMode::pmNotXor, 10},      {TPenMode::pmNop, 11},     {TPenMode::pmMergeNotPen, 12},
        {TPenMode::pmCopy, 13},        {TPenMode::pmMergePenNot, 14}, {TPenMode::pmMerge, 15},
        {TPenMode::pmWhite, 16},
    };
    for (const auto& m : modes) {
        TBitmap bitmap;
        bitmap.SetSize(3, 1);
        bitmap.Canvas().SetPixel(0, 0, 0xA0A0A0);
        bitmap.Canvas().Pen.Color = 0xC0C0C0;
        bitmap.Canvas().Pen.Mode = m.mode;
        bitmap.Canvas().MoveTo(0, 0);
        bitmap.Canvas().LineTo(1, 0);
        const int table = m.r2 - 1;
        const std::uint32_t channel = (table << 4) | ((table & 1) ? 0xF : 0);
        EXPECT_EQ(bitmap.Canvas().Pixel(0, 0), channel * 0x010101) << "R2 code " << m.r2;
        EXPECT_EQ(bitmap.Canvas().Pixel(1, 0), clWhite) << "end pixel, R2 code " << m.r2;
    }
}

TEST(PenModeTest, NotXorShowsThePenOnWhiteAndUndoesItself)
{
    TBitmap bitmap;
    MakeWhite(bitmap, 12, 12);
    bitmap.Canvas().SetPixel(9, 2, 0x123456);
    TCanvas& canvas = bitmap.Canvas();
    canvas.Pen.Color = clYellow;
    canvas.Pen.Mode = TPenMode::pmNotXor;
    const auto draw = [&] {
        canvas.MoveTo(0, 2);
        canvas.LineTo(11, 2);
    };
    draw();
    EXPECT_EQ(canvas.Pixel(0, 2), clYellow);
    EXPECT_EQ(canvas.Pixel(10, 2), clYellow);
    EXPECT_EQ(canvas.Pixel(9, 2), ~(clYellow ^ 0x123456u) & 0xFFFFFF);
    EXPECT_EQ(canvas.Pixel(11, 2), clWhite);
    draw();
    EXPECT_EQ(canvas.Pixel(0, 2), clWhite);
    EXPECT_EQ(canvas.Pixel(9, 2), 0x123456u);
    EXPECT_EQ(NonWhite(bitmap), (PixelSet{{9, 2}}));
}

TEST(PenModeTest, NotXorRectangleWithWhiteBrushLeavesTheInteriorAlone)
{
    TBitmap bitmap;
    MakeWhite(bitmap, 10, 10);
    TCanvas& canvas = bitmap.Canvas();
    canvas.SetPixel(4, 4, clRed);
    canvas.Pen.Color = clBlue;
    canvas.Pen.Mode = TPenMode::pmNotXor;
    canvas.Brush.Color = clWhite;
    canvas.Rectangle(2, 2, 8, 8);
    EXPECT_EQ(canvas.Pixel(4, 4), clRed);
    EXPECT_EQ(canvas.Pixel(2, 2), clBlue);
    EXPECT_EQ(canvas.Pixel(7, 7), clBlue);
    canvas.Rectangle(2, 2, 8, 8);  // the rubber band's erase
    EXPECT_EQ(NonWhite(bitmap), (PixelSet{{4, 4}}));
}

struct RectangleCase {
    const char* name;
    TRect rect;
    PixelSet outline;
    PixelSet interior;
};

void PrintTo(const RectangleCase& c, std::ostream* out) { *out << c.name; }

class RectangleTest : public testing::TestWithParam<RectangleCase> {};

TEST_P(RectangleTest, OutlineInPenAndInteriorInBrush)
{
    const RectangleCase& c = GetParam();
    TBitmap bitmap;
    MakeWhite(bitmap, 12, 12);
    bitmap.Canvas().Pen.Color = clBlack;
    bitmap.Canvas().Brush.Color = clRed;
    bitmap.Canvas().MoveTo(11, 11);
    bitmap.Canvas().Rectangle(c.rect);
    PixelSet outline, interior;
    for (std::int32_t y = 0; y < 12; ++y)
        for (std::int32_t x = 0; x < 12; ++x) {
            const TColor color = bitmap.Canvas().Pixel(x, y);
            if (color == clBlack)
                outline.insert({x, y});
            else if (color == clRed)
                interior.insert({x, y});
        }
    EXPECT_EQ(outline, c.outline);
    EXPECT_EQ(interior, c.interior);
    EXPECT_EQ(bitmap.Canvas().PenPos(), Point(11, 11));
}

const PixelSet Ring3x3 = {{2, 2}, {3, 2}, {4, 2}, {4, 3}, {4, 4}, {3, 4}, {2, 4}, {2, 3}};

INSTANTIATE_TEST_SUITE_P(
    Cases, RectangleTest,
    testing::Values(RectangleCase{"one_by_one", {2, 2, 3, 3}, {}, {}},
                    RectangleCase{"two_by_two", {2, 2, 4, 4}, {{2, 2}, {3, 2}, {3, 3}, {2, 3}}, {}},
                    RectangleCase{"three_by_three", {2, 2, 5, 5}, Ring3x3, {{3, 3}}},
                    RectangleCase{"swapped_corners", {5, 5, 2, 2}, Ring3x3, {{3, 3}}},
                    RectangleCase{"swapped_left_right", {5, 2, 2, 5}, Ring3x3, {{3, 3}}},
                    RectangleCase{"left_equals_right", {4, 1, 4, 9}, {}, {}},
                    RectangleCase{"top_equals_bottom", {1, 4, 9, 4}, {}, {}},
                    RectangleCase{"clipped_at_corner", {-2, -2, 2, 2}, {{1, 0}, {1, 1}, {0, 1}}, {{0, 0}}}),
    [](const testing::TestParamInfo<RectangleCase>& info) { return std::string(info.param.name); });

TEST(FillRectTest, FillsHalfOpenAreaInCopyModeOnly)
{
    TBitmap bitmap;
    MakeWhite(bitmap, 8, 8);
    TCanvas& canvas = bitmap.Canvas();
    canvas.Pen.Mode = TPenMode::pmNotXor;  // FillRect ignores the pen
    canvas.Brush.Color = clGreen;
    canvas.FillRect(Rect(1, 2, 3, 5));
    canvas.FillRect(Rect(1, 2, 3, 5));
    PixelSet expected;
    for (std::int32_t y = 2; y < 5; ++y)
        for (std::int32_t x = 1; x < 3; ++x)
            expected.insert({x, y});
    EXPECT_EQ(NonWhite(bitmap), expected);
    EXPECT_EQ(canvas.Pixel(2, 4), clGreen);
}

TEST(FillRectTest, EmptyOrInvertedFillsNothingAndHugeRectsClip)
{
    TBitmap bitmap;
    MakeWhite(bitmap, 6, 6);
    TCanvas& canvas = bitmap.Canvas();
    canvas.Brush.Color = clBlack;
    for (const TRect& r : {Rect(3, 3, 3, 5), Rect(3, 3, 5, 3), Rect(5, 1, 2, 4), Rect(1, 5, 4, 2)})
        canvas.FillRect(r);
    EXPECT_TRUE(NonWhite(bitmap).empty());
    canvas.FillRect(Rect(INT_MIN, INT_MIN, INT_MAX, INT_MAX));
    EXPECT_EQ(NonWhite(bitmap).size(), 36u);
}

TEST(PixelTest, OutsideReadsInvalidColourAndWritesNothing)
{
    TBitmap bitmap;
    EXPECT_EQ(bitmap.Canvas().Pixel(0, 0), InvalidColor);  // a 0x0 bitmap has no inside
    MakeWhite(bitmap, 4, 3);
    TCanvas& canvas = bitmap.Canvas();
    for (const TPoint& p : {Point(-1, 0), Point(0, -1), Point(4, 0), Point(0, 3), Point(INT_MIN, INT_MAX)})
        EXPECT_EQ(canvas.Pixel(p.X, p.Y), InvalidColor) << p.X << "," << p.Y;
    canvas.SetPixel(4, 0, clBlack);
    canvas.SetPixel(-1, 2, clBlack);
    EXPECT_TRUE(NonWhite(bitmap).empty());
    canvas.SetPixel(3, 2, 0x00123456);
    EXPECT_EQ(canvas.Pixel(3, 2), 0x00123456u);
}

TEST(CanvasChangeTest, EachDrawingCallReportsOnce)
{
    TBitmap bitmap;
    MakeWhite(bitmap, 20, 20);
    int changes = 0;
    bitmap.OnChange = [&](TObject* sender) {
        EXPECT_EQ(sender, &bitmap);
        ++changes;
    };
    TCanvas& canvas = bitmap.Canvas();
    canvas.MoveTo(0, 0);
    EXPECT_EQ(changes, 0);
    canvas.LineTo(19, 13);
    EXPECT_EQ(changes, 1);
    canvas.Rectangle(1, 1, 15, 15);
    EXPECT_EQ(changes, 2);
    canvas.FillRect(Rect(0, 0, 20, 20));
    EXPECT_EQ(changes, 3);
    canvas.SetPixel(2, 2, clRed);
    EXPECT_EQ(changes, 4);
}

TEST(IndexedDrawingTest, ColoursMapToTheNearestPaletteEntry)
{
    TBitmap bitmap;
    bitmap.SetSize(4, 4);
    bitmap.SetPixelFormat(TPixelFormat::pf1bit);
    TCanvas& canvas = bitmap.Canvas();
    EXPECT_EQ(canvas.Pixel(0, 0), clWhite);
    canvas.Pen.Color = 0x202020;  // dark grey: nearest is black
    canvas.MoveTo(0, 1);
    canvas.LineTo(4, 1);
    EXPECT_EQ(canvas.Pixel(3, 1), clBlack);
    canvas.Pen.Mode = TPenMode::pmNot;  // black -> white, white -> black
    canvas.MoveTo(0, 1);
    canvas.LineTo(0, 3);
    EXPECT_EQ(canvas.Pixel(0, 1), clWhite);
    EXPECT_EQ(canvas.Pixel(0, 2), clBlack);
}

}  // namespace
