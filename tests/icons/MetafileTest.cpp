// Metafiles built record by record: their size, what they draw, and what is refused.
#include <gtest/gtest.h>

#include "platform/core/Exceptions.h"
#include "platform/graphics/EmfBytes.h"
#include "platform/graphics/Metafile.h"
#include "tests/bmp/AllocationProbe.h"
#include "tests/icons/IconTestSupport.h"

using icon_test::Fill;
using icon_test::LoadBytes;

namespace {

constexpr int PS_SOLID = 0, PS_NULL = 5, BS_SOLID = 0, BS_NULL = 1, BS_HATCHED = 2;
constexpr int MM_ANISOTROPIC = 8, MM_LOMETRIC = 2;
constexpr std::uint32_t NullPen = 0x80000008;

// The metafile drawn over a white bitmap of the given size, filling it.
struct Drawn {
    TBitmap bitmap;
    Drawn(TMetafile& metafile, int width, int height)
    {
        Fill(bitmap, width, height, clWhite);
        bitmap.Canvas().StretchDraw(Rect(0, 0, width, height), metafile);
    }
    TColor operator()(int x, int y) { return bitmap.Canvas().Pixel(x, y); }
};

constexpr const char* InvalidMetafile = "メタファイルが不正です";

// A placeable WMF of 100 x 100 pixels: a red rectangle with a black outline and a blue ellipse.
std::vector<std::uint8_t> ShapesWmf()
{
    return PlaceableWmf(0, 0, 100, 100, 96)
        .CreatePen(PS_SOLID, 1, 0x000000)
        .CreateBrush(BS_SOLID, 0x0000FF)
        .Select(0)
        .Select(1)
        .Rectangle(10, 10, 50, 40)
        .CreateBrush(BS_SOLID, 0xFF0000)
        .Select(2)
        .Ellipse(60, 60, 90, 90)
        .Bytes();
}

// A packed DIB whose two bytes of run-length data (end of bitmap) rightly claim a side x side
// picture of 8-bit indices, every one index 0 of its one-entry table: green. As WMF parameter words.
std::vector<std::uint16_t> GreenRleClaim(int side)
{
    using metafile_test::Put32;
    std::vector<std::uint8_t> bytes;
    for (std::uint32_t field : {40u, std::uint32_t(side), std::uint32_t(side)})
        Put32(bytes, field);
    metafile_test::Put16(bytes, 1);  // planes
    metafile_test::Put16(bytes, 8);
    for (std::uint32_t field : {1u /* RLE8 */, 2u, 0u, 0u, 1u /* colours */, 0u})
        Put32(bytes, field);
    bytes.insert(bytes.end(), {0x00, 0xFF, 0x00, 0x00, 0x00, 0x01});  // green; end of bitmap
    std::vector<std::uint16_t> words;
    for (std::size_t i = 0; i < bytes.size(); i += 2)
        words.push_back(static_cast<std::uint16_t>(bytes[i] | (bytes[i + 1] << 8)));
    return words;
}

}  // namespace

TEST(MetafileTest, PlaceableWmfDrawsItsRectangleAndEllipseScaledToTheTarget)
{
    TMetafile metafile;
    LoadBytes(metafile, ShapesWmf());
    EXPECT_FALSE(metafile.Enhanced());
    EXPECT_EQ(metafile.Width(), 100);
    EXPECT_EQ(metafile.Height(), 100);

    Drawn same(metafile, 100, 100);
    EXPECT_EQ(same(30, 25), clRed);
    EXPECT_EQ(same(10, 25), clBlack);  // the outline, right and bottom edges left out as on screen
    EXPECT_EQ(same(49, 25), clBlack);
    EXPECT_EQ(same(50, 25), clWhite);
    EXPECT_EQ(same(30, 39), clBlack);
    EXPECT_EQ(same(30, 40), clWhite);
    EXPECT_EQ(same(75, 75), clBlue);
    EXPECT_EQ(same(75, 63), clBlue);
    EXPECT_EQ(same(62, 62), clWhite);  // outside the ellipse, inside its box
    EXPECT_EQ(same(95, 95), clWhite);

    Drawn twice(metafile, 200, 200);
    EXPECT_EQ(twice(60, 50), clRed);
    EXPECT_EQ(twice(150, 150), clBlue);
    EXPECT_EQ(twice(124, 124), clWhite);
}

TEST(MetafileTest, EmfDrawsItsPolylineAndFilledPolygon)
{
    const auto bytes = EmfBuilder(0, 0, 2540, 2540)
                           .CreatePen(1, PS_SOLID, 0, 0x00FF00)
                           .Select(1)
                           .Polyline({{5, 5}, {90, 5}, {90, 20}})
                           .CreateBrush(2, BS_SOLID, 0xFF0000)
                           .Select(2)
                           .Select(NullPen)
                           .Polygon({{10, 30}, {80, 30}, {45, 90}})
                           .Bytes();
    TMetafile metafile;
    LoadBytes(metafile, bytes);
    EXPECT_TRUE(metafile.Enhanced());
    EXPECT_EQ(metafile.Width(), 96);
    EXPECT_EQ(metafile.Height(), 96);

    Drawn drawn(metafile, 96, 96);
    EXPECT_EQ(drawn(5, 5), clLime);
    EXPECT_EQ(drawn(50, 5), clLime);
    EXPECT_EQ(drawn(90, 12), clLime);
    EXPECT_EQ(drawn(90, 20), clWhite);  // a polyline leaves out its last point
    EXPECT_EQ(drawn(50, 6), clWhite);
    EXPECT_EQ(drawn(45, 50), clBlue);
    EXPECT_EQ(drawn(10, 30), clBlue);  // top-left edges belong to the polygon
    EXPECT_EQ(drawn(15, 80), clWhite);
    EXPECT_EQ(drawn(45, 91), clWhite);
}

TEST(MetafileTest, MappingModesWindowsAndViewportsPlaceTheDrawing)
{
    // A window of 1000 units over a viewport of 96 pixels: (0,0)-(500,500) is the top-left quarter.
    const auto scaled = EmfBuilder(0, 0, 2540, 2540)
                            .SetMapMode(MM_ANISOTROPIC)
                            .SetWindowExt(1000, 1000)
                            .SetViewportExt(96, 96)
                            .CreateBrush(1, BS_SOLID, 0x0000FF)
                            .Select(1)
                            .Select(NullPen)
                            .Rectangle(0, 0, 500, 500)
                            .Bytes();
    TMetafile quarter;
    LoadBytes(quarter, scaled);
    Drawn drawn(quarter, 96, 96);
    EXPECT_EQ(drawn(0, 0), clRed);
    EXPECT_EQ(drawn(46, 46), clRed);
    EXPECT_EQ(drawn(49, 49), clWhite);

    // Tenths of a millimetre, y upwards: 96 pixels are 254 units, drawn from the top with
    // negative y.
    const auto metric = EmfBuilder(0, 0, 2540, 2540)
                            .SetMapMode(MM_LOMETRIC)
                            .CreateBrush(1, BS_SOLID, 0x00FF00)
                            .Select(1)
                            .Select(NullPen)
                            .Rectangle(127, -127, 254, -254)
                            .Bytes();
    TMetafile lower;
    LoadBytes(lower, metric);
    Drawn metricDrawn(lower, 96, 96);
    EXPECT_EQ(metricDrawn(70, 70), clLime);
    EXPECT_EQ(metricDrawn(20, 20), clWhite);

    // A plain WMF takes its size from its window; drawn, the window fills the target.
    const auto plain = WmfBuilder().SetWindowOrg(100, 100).SetWindowExt(200, 100).CreateBrush(BS_SOLID, 0).Select(0).Rectangle(100, 100, 200, 200).Bytes();
    TMetafile windowed;
    LoadBytes(windowed, plain);
    EXPECT_EQ(windowed.Width(), 200);
    EXPECT_EQ(windowed.Height(), 100);
    Drawn plainDrawn(windowed, 200, 100);
    EXPECT_EQ(plainDrawn(50, 50), clBlack);
    EXPECT_EQ(plainDrawn(150, 50), clWhite);
}

TEST(MetafileTest, APlainWmfWithoutWindowIsAsLargeAsItsDrawing)
{
    TMetafile metafile;
    LoadBytes(metafile, WmfBuilder().MoveTo(10, 20).LineTo(70, 50).Bytes());
    EXPECT_EQ(metafile.Width(), 60);
    EXPECT_EQ(metafile.Height(), 30);
    Drawn drawn(metafile, 60, 30);
    EXPECT_EQ(drawn(0, 0), clBlack);
}

TEST(MetafileTest, PensBrushesAndPathsPaintAsAsked)
{
    const auto bytes = EmfBuilder(0, 0, 2540, 2540)
                           .CreatePen(1, PS_SOLID, 9, 0x0000FF)  // 9 pixels wide
                           .Select(1)
                           .MoveTo(10, 10)
                           .LineTo(80, 10)
                           .CreatePen(2, PS_NULL, 0, 0)
                           .Select(2)
                           .CreateBrush(3, BS_HATCHED, 0xFF0000, 1)  // vertical lines every 8 pixels
                           .Select(3)
                           .Rectangle(10, 40, 50, 60)
                           .CreateBrush(4, BS_SOLID, 0x00FF00)
                           .Select(4)
                           .BeginPath()
                           .Polygon16({{60, 40}, {90, 40}, {90, 90}, {60, 90}})
                           .EndPath()
                           .FillPath()
                           .CreateBrush(5, BS_NULL, 0)
                           .Select(5)
                           .Ellipse(0, 0, 96, 96)  // null pen and null brush: nothing
                           .Bytes();
    TMetafile metafile;
    LoadBytes(metafile, bytes);
    Drawn drawn(metafile, 96, 96);
    EXPECT_EQ(drawn(40, 6), clRed);
    EXPECT_EQ(drawn(40, 14), clRed);
    EXPECT_EQ(drawn(40, 16), clWhite);
    int hatched = 0, background = 0;
    for (int x = 11; x < 49; ++x) {
        hatched += drawn(x, 50) == clBlue;
        background += drawn(x, 50) == clWhite;
    }
    EXPECT_GE(hatched, 4);
    EXPECT_EQ(hatched + background, 38);
    EXPECT_EQ(drawn(75, 65), clLime);
    EXPECT_EQ(drawn(48, 95), clWhite);
}

TEST(MetafileTest, ARecordThatMakesNoSenseIsSkippedAndTheRestIsDrawn)
{
    // A polygon claiming 1000 points in a record of two, an unknown record, then a rectangle.
    const auto wmf = PlaceableWmf(0, 0, 100, 100, 96)
                         .Record(0x0324, {1000, 1, 1, 2, 2})
                         .Record(0x7777, {1, 2, 3})
                         .CreateBrush(BS_SOLID, 0x00FF00)
                         .Select(0)
                         .Select(7)  // no such object
                         .Rectangle(20, 20, 80, 80)
                         .Bytes();
    TMetafile wmfMetafile;
    LoadBytes(wmfMetafile, wmf);
    Drawn wmfDrawn(wmfMetafile, 100, 100);
    EXPECT_EQ(wmfDrawn(50, 50), clLime);

    const auto emf = EmfBuilder(0, 0, 2540, 2540)
                         .Record(3, {0, 0, 0, 0, 0x7FFFFFFF, 1, 1})
                         .Record(8, {0, 0, 0, 0, 0xFFFFFFFF, 3, 1, 1, 1})
                         .Record(39, {0xFFFF, 0, 0x00FF00, 0})  // brush in a slot that doesn't exist
                         .Select(0xFFFF)
                         .CreateBrush(1, BS_SOLID, 0x00FF00)
                         .Select(1)
                         .Rectangle(20, 20, 80, 80)
                         .Bytes();
    TMetafile emfMetafile;
    LoadBytes(emfMetafile, emf);
    Drawn emfDrawn(emfMetafile, 96, 96);
    EXPECT_EQ(emfDrawn(50, 50), clLime);
}

TEST(MetafileTest, ABlitWithoutPictureFillsItsDestinationWithTheBrush)
{
    // Without a picture a blit record holds a reserved word before the destination's height, width,
    // top and left: here 40, 30, 20, 10.
    constexpr std::uint16_t PatCopyLow = 0x0021, PatCopyHigh = 0x00F0;
    const struct {
        const char* name;
        std::uint16_t function;
        std::vector<std::uint16_t> params;
    } cases[] = {
        {"DIBSTRETCHBLT", 0x0B41, {PatCopyLow, PatCopyHigh, 5, 5, 0, 0, 0, 40, 30, 20, 10}},
        {"DIBBITBLT", 0x0940, {PatCopyLow, PatCopyHigh, 0, 0, 0, 40, 30, 20, 10}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TMetafile metafile;
        LoadBytes(metafile, PlaceableWmf(0, 0, 100, 100, 96)
                                .CreateBrush(BS_SOLID, 0x00FF00)
                                .Select(0)
                                .Record(c.function, c.params)
                                .Bytes());
        Drawn drawn(metafile, 100, 100);
        EXPECT_EQ(drawn(10, 20), clLime);
        EXPECT_EQ(drawn(39, 59), clLime);
        EXPECT_EQ(drawn(9, 30), clWhite);
        EXPECT_EQ(drawn(40, 30), clWhite);
        EXPECT_EQ(drawn(20, 60), clWhite);
    }
}

TEST(MetafileTest, StretchDibitsCountsSourceRowsFromTheBottomOfABottomUpPicture)
{
    // A 1 x 2 picture, stored bottom-up: blue below, red above. Its source row 0 is the bottom one,
    // with a core header as with an info header.
    const std::uint32_t planesAndBits = 1 | 24 << 16;
    const std::vector<std::uint32_t> headers[] = {
        {40, 1, 2, planesAndBits, 0, 0, 0, 0, 0, 0},
        {12, 1 | 2 << 16, planesAndBits},
    };
    for (const auto& header : headers) {
        SCOPED_TRACE(header.front());
        const auto headerBytes = static_cast<std::uint32_t>(4 * header.size());
        std::vector<std::uint32_t> fields{0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 80, headerBytes, 80 + headerBytes, 8, 0,
                                          0x00CC0020, 96, 96};
        fields.insert(fields.end(), header.begin(), header.end());
        fields.insert(fields.end(), {0x000000FF, 0x00FF0000});  // rows: blue, then red
        TMetafile metafile;
        LoadBytes(metafile, EmfBuilder(0, 0, 2540, 2540).Record(81 /* EMR_STRETCHDIBITS */, fields).Bytes());
        Drawn drawn(metafile, 96, 96);
        EXPECT_EQ(drawn(50, 50), clBlue);
    }
}

TEST(MetafileTest, PicturesInRecordsShareOneStoreBudgetPerPlayback)
{
    // Each record stretches a picture that claims 64 MiB of store over one 20-pixel column. A few
    // dozen bytes each: without a shared budget such records could claim gigabytes between them.
    constexpr int Side = 8192;
    const std::vector<std::uint16_t> claim = GreenRleClaim(Side);
    auto wmf = PlaceableWmf(0, 0, 100, 100, 96);
    for (int column = 0; column < 5; ++column) {
        std::vector<std::uint16_t> params{0x0020, 0x00CC, 0, Side, Side, 0, 0, 100, 20, 0, std::uint16_t(20 * column)};
        params.insert(params.end(), claim.begin(), claim.end());
        wmf.Record(0x0F43, params);  // META_STRETCHDIB, SRCCOPY
    }
    const std::vector<std::uint8_t> bytes = wmf.Bytes();
    const std::size_t fitting = metafile::PictureBudgetBytes(bytes.size()) / (std::size_t{Side} * Side);
    ASSERT_GE(fitting, 1u);
    ASSERT_LT(fitting, 5u);
    TMetafile metafile;
    LoadBytes(metafile, bytes);
    Drawn drawn(metafile, 100, 100);
    for (int column = 0; column < 5; ++column)
        EXPECT_EQ(drawn(20 * column + 10, 50), std::size_t(column) < fitting ? clLime : clWhite) << column;
}

TEST(MetafileTest, ACurveOfMillionsOfSegmentsFlattensWithinThePathPointLimit)
{
    // 2^17 Bézier segments, each long enough for 64 steps, in a record of 1.5 MB: flattened in full
    // they would be 8 M points. They lie off the picture, so nothing is drawn.
    constexpr std::uint32_t Segments = 1u << 17;
    std::vector<std::uint32_t> fields{0, 0, 0, 0, 3 * Segments + 1};
    for (std::uint32_t i = 0; i <= 3 * Segments; ++i) {
        const std::uint32_t x = i % 4 == 1 || i % 4 == 2 ? 10300 : 10000, y = i % 4 >= 2 ? 10300 : 10000;
        fields.push_back(y << 16 | x);
    }
    TMetafile metafile;
    LoadBytes(metafile, EmfBuilder(0, 0, 2540, 2540).Record(85 /* EMR_POLYBEZIER16 */, fields).Bytes());
    constexpr std::size_t PathLimitBytes = (std::size_t{1} << 22) * 2 * sizeof(double);  // 4 M points
    bmptest::AllocationProbe probe;
    Drawn drawn(metafile, 96, 96);
    EXPECT_LT(probe.Largest(), PathLimitBytes * 3 / 2);
    EXPECT_EQ(drawn(50, 50), clWhite);
}

TEST(MetafileTest, AbsurdCoordinatesAndSizesDrawOnlyWhatFallsInside)
{
    const auto bytes = EmfBuilder(0, 0, 2540, 2540)
                           .CreatePen(1, PS_SOLID, 0x7FFFFFFF, 0x0000FF)
                           .Select(1)
                           .MoveTo(-2147483647, -2147483647)
                           .LineTo(2147483647, 2147483647)
                           .CreatePen(2, PS_SOLID, 0, 0xFF0000)
                           .Select(2)
                           .Select(0x80000005)  // the null brush
                           .Ellipse(-2147483647, -2147483647, 2147483647, 2147483647)
                           .Polyline({{-2147483647, 48}, {2147483647, 48}})
                           .Bytes();
    TMetafile metafile;
    LoadBytes(metafile, bytes);
    Drawn drawn(metafile, 96, 96);
    EXPECT_EQ(drawn(0, 95), clRed);  // the pen wider than the picture covers it
    EXPECT_EQ(drawn(95, 47), clRed);
    EXPECT_EQ(drawn(50, 48), clBlue);
}

TEST(MetafileTest, RefusesWhatIsNoMetafileAndStaysAsItWas)
{
    auto changed = [](std::vector<std::uint8_t> bytes, std::size_t offset, std::vector<std::uint8_t> with) {
        std::copy(with.begin(), with.end(), bytes.begin() + static_cast<std::ptrdiff_t>(offset));
        return bytes;
    };
    const auto emf = EmfBuilder(0, 0, 2540, 2540).Rectangle(1, 1, 5, 5).Bytes();
    const std::vector<std::uint8_t> cases[] = {
        {},
        {'h', 'e', 'l', 'l', 'o'},
        PlaceableWmf(0, 0, 10, 10, 96).Raw({0, 0, 0, 0, 0x13, 0x02}).Bytes(),           // a record of no size
        PlaceableWmf(0, 0, 10, 10, 96).Raw({0xFF, 0, 0, 0, 0x13, 0x02}).Bytes(),        // past the end
        changed(ShapesWmf(), 14, {0, 0}),                                                // no units per inch
        changed(ShapesWmf(), 22, {3, 0}),                                                // unknown header type
        changed(emf, 4, {0, 0, 1, 0}),                                                   // header past the end
        changed(emf, 88 + 4, {22, 0, 0, 0}),                                             // record size not in words
        changed(emf, 88 + 4, {0, 0, 0, 1}),                                              // record past the end
        std::vector<std::uint8_t>(emf.begin(), emf.begin() + 100),                       // cut short
    };
    TMetafile metafile;
    LoadBytes(metafile, ShapesWmf());
    for (const auto& bytes : cases) {
        try {
            LoadBytes(metafile, bytes);
            ADD_FAILURE() << "read without an error: " << bytes.size() << " bytes";
        } catch (const EInvalidGraphic& e) {
            EXPECT_EQ(e.Message, InvalidMetafile);
        }
        EXPECT_EQ(metafile.Data(), ShapesWmf());
        EXPECT_EQ(metafile.Width(), 100);
    }
}

TEST(MetafileTest, GoesToTheClipboardInItsOwnFormat)
{
    const auto emf = EmfBuilder(0, 0, 2540, 1270).Rectangle(1, 1, 5, 5).Bytes();
    TMetafile enhanced;
    LoadBytes(enhanced, emf);
    std::uint16_t format = 0;
    std::vector<std::uint8_t> data;
    HPALETTE palette = 1;
    enhanced.SaveToClipboardFormat(format, data, palette);
    EXPECT_EQ(format, CF_ENHMETAFILE);
    EXPECT_EQ(data, emf);
    EXPECT_EQ(palette, 0u);
    TMetafile pasted;
    pasted.LoadFromClipboardFormat(CF_ENHMETAFILE, data, 0);
    EXPECT_EQ(pasted.Width(), 96);
    EXPECT_EQ(pasted.Height(), 48);
    EXPECT_THROW(pasted.LoadFromClipboardFormat(CF_ENHMETAFILE, {1, 2, 3}, 0), EInvalidGraphic);
    EXPECT_EQ(pasted.Data(), emf);

    // A Windows metafile goes as an enhanced one that shows the same picture.
    TMetafile windows;
    LoadBytes(windows, ShapesWmf());
    windows.SaveToClipboardFormat(format, data, palette);
    EXPECT_EQ(format, CF_ENHMETAFILE);
    TMetafile converted;
    converted.LoadFromClipboardFormat(format, data, 0);
    EXPECT_TRUE(converted.Enhanced());
    EXPECT_EQ(converted.Width(), 100);
    EXPECT_EQ(converted.Height(), 100);
    Drawn original(windows, 100, 100), copy(converted, 100, 100);
    for (int y = 0; y < 100; y += 3)
        for (int x = 0; x < 100; x += 3)
            ASSERT_EQ(copy(x, y), original(x, y)) << x << "," << y;

    // The records of a Windows metafile, as other programs put them there.
    const std::vector<std::uint8_t> shapes = ShapesWmf();
    TMetafile records;
    records.LoadFromClipboardFormat(CF_METAFILEPICT, std::vector<std::uint8_t>(shapes.begin() + 22, shapes.end()), 0);
    EXPECT_FALSE(records.Enhanced());
    EXPECT_THROW(records.LoadFromClipboardFormat(CF_METAFILEPICT, shapes, 0), EInvalidGraphic);  // not with a file header
}
