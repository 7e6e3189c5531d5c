// Pixel stores shown as Qt images: every depth converts to the colours the model reads, the shown
// part is at most the slot's size, and a transparent slot leaves out exactly the white pixels.
#include <gtest/gtest.h>

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/DibPixels.h"
#include "platform/qt/DibImage.h"

namespace {

// A 5 x 3 store of the format whose pixels are set with the model's own pixel writer.
TDib Store(TPixelFormat format)
{
    TDib dib;
    dib.Allocate(5, 3, format);
    if (IsIndexedFormat(format))
        dib.Palette = {TRGBQuad{0, 0, 0, 0}, TRGBQuad{255, 255, 255, 0}, TRGBQuad{0, 0, 255, 0}, TRGBQuad{255, 0, 0, 0}};
    if (format == TPixelFormat::pf1bit)
        dib.Palette.resize(2);
    const TColor colours[] = {clBlack, clWhite, clRed, clBlue};
    const int count = format == TPixelFormat::pf1bit ? 2 : 4;
    for (int y = 0; y < dib.Height; ++y)
        for (int x = 0; x < dib.Width; ++x)
            WriteDibPixel(dib, x, y, EncodeDibColor(dib, colours[(x + y) % count]));
    return dib;
}

TEST(DibImageTest, EveryDepthShowsTheColoursTheModelReads)
{
    for (TPixelFormat format : {TPixelFormat::pf1bit, TPixelFormat::pf4bit, TPixelFormat::pf8bit, TPixelFormat::pf15bit,
                                TPixelFormat::pf16bit, TPixelFormat::pf24bit, TPixelFormat::pf32bit}) {
        const TDib dib = Store(format);
        const QImage image = DibToQImage(dib, 100, 100, false);
        ASSERT_EQ(image.size(), QSize(5, 3)) << static_cast<int>(format);
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 5; ++x) {
                const TColor c = ReadDibPixel(dib, x, y);
                EXPECT_EQ(image.pixel(x, y), qRgb(GetRValue(c), GetGValue(c), GetBValue(c)))
                    << "format " << static_cast<int>(format) << " at " << x << "," << y;
            }
    }
}

TEST(DibImageTest, OnlyTheSlotsPartIsConvertedAndWhiteIsLeftOutOfOverlays)
{
    const TDib dib = Store(TPixelFormat::pf24bit);
    const QImage part = DibToQImage(dib, 3, 2, true);
    ASSERT_EQ(part.size(), QSize(3, 2));
    EXPECT_EQ(part.format(), QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x) {
            const bool white = ReadDibPixel(dib, x, y) == clWhite;
            EXPECT_EQ(qAlpha(part.pixel(x, y)), white ? 0 : 255) << x << "," << y;
        }
    // Nearly white stays.
    TDib nearly;
    nearly.Allocate(1, 1, TPixelFormat::pf24bit);
    WriteDibPixel(nearly, 0, 0, EncodeDibColor(nearly, 0xFEFFFF));
    EXPECT_EQ(qAlpha(DibToQImage(nearly, 1, 1, true).pixel(0, 0)), 255);
}

TEST(DibImageTest, EmptyOrInconsistentStoresShowNothing)
{
    EXPECT_TRUE(DibToQImage(TDib{}, 10, 10, false).isNull());
    TDib shortStore = Store(TPixelFormat::pf24bit);
    shortStore.Bits.resize(shortStore.Bits.size() - 1);  // the last row doesn't fit
    EXPECT_TRUE(DibToQImage(shortStore, 10, 10, false).isNull());
    TDib narrowRows = Store(TPixelFormat::pf24bit);
    narrowRows.Stride = 4;
    EXPECT_TRUE(DibToQImage(narrowRows, 10, 10, false).isNull());
    EXPECT_TRUE(DibToQImage(Store(TPixelFormat::pf24bit), 0, 10, false).isNull());
}

TEST(DibImageTest, AnIndexBeyondTheColourTableShowsBlack)
{
    TDib dib;
    dib.Allocate(2, 1, TPixelFormat::pf8bit);
    dib.Palette = {TRGBQuad{255, 255, 255, 0}};
    dib.Row(0)[1] = 200;
    const QImage image = DibToQImage(dib, 2, 1, false);
    EXPECT_EQ(image.pixel(0, 0), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(1, 0), qRgb(0, 0, 0));
}

}  // namespace
