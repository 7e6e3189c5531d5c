#include <gtest/gtest.h>

#include "GraphicsTestSupport.h"
#include "platform/core/Exceptions.h"
#include "platform/graphics/Icon.h"

namespace {

TEST(BitmapTest, FreshBitmapIsEmptyAnd24Bit)
{
    TBitmap bitmap;
    EXPECT_TRUE(bitmap.Empty());
    EXPECT_EQ(bitmap.Width(), 0);
    EXPECT_EQ(bitmap.Height(), 0);
    EXPECT_EQ(bitmap.PixelFormat(), TPixelFormat::pf24bit);
    EXPECT_EQ(bitmap.Palette(), 0u);
    EXPECT_TRUE(bitmap.InheritsFrom(TGraphic::StaticClassInfo()));
    EXPECT_EQ(bitmap.ClassName(), "TBitmap");
}

TEST(BitmapTest, SetSizeKeepsWhatStaysAndWhitensTheRest)
{
    TBitmap bitmap;
    bitmap.SetSize(3, 2);
    EXPECT_FALSE(bitmap.Empty());
    for (std::int32_t y = 0; y < 2; ++y)
        for (std::int32_t x = 0; x < 3; ++x)
            EXPECT_EQ(bitmap.Canvas().Pixel(x, y), clWhite);
    bitmap.Canvas().SetPixel(0, 0, clRed);
    bitmap.Canvas().SetPixel(2, 1, clBlue);
    bitmap.SetSize(5, 4);
    EXPECT_EQ(bitmap.Canvas().Pixel(0, 0), clRed);
    EXPECT_EQ(bitmap.Canvas().Pixel(2, 1), clBlue);
    EXPECT_EQ(bitmap.Canvas().Pixel(4, 3), clWhite);
    bitmap.SetWidth(1);
    EXPECT_EQ(bitmap.Width(), 1);
    EXPECT_EQ(bitmap.Height(), 4);
    EXPECT_EQ(bitmap.Canvas().Pixel(0, 0), clRed);
    bitmap.SetHeight(0);
    EXPECT_TRUE(bitmap.Empty());
    bitmap.SetSize(-3, -3);
    EXPECT_EQ(bitmap.Width(), 0);
}

TEST(BitmapTest, SizeBeyondTheLimitsIsRefusedAndChangesNothing)
{
    TBitmap bitmap;
    bitmap.SetSize(2, 2);
    EXPECT_THROW(bitmap.SetSize(MaxPictureDimension + 1, 1), EOutOfResources);
    EXPECT_EQ(bitmap.Width(), 2);
}

TEST(BitmapTest, PixelFormatConvertsThePixels)
{
    TBitmap bitmap;
    bitmap.SetSize(3, 1);
    bitmap.Canvas().SetPixel(0, 0, 0x0000F0);  // nearly pure red
    bitmap.Canvas().SetPixel(1, 0, 0x101010);  // nearly black
    bitmap.SetPixelFormat(TPixelFormat::pf4bit);
    EXPECT_EQ(bitmap.PixelFormat(), TPixelFormat::pf4bit);
    EXPECT_EQ(bitmap.Dib().Palette.size(), 16u);
    EXPECT_EQ(bitmap.Canvas().Pixel(0, 0), clRed);
    EXPECT_EQ(bitmap.Canvas().Pixel(1, 0), clBlack);
    EXPECT_EQ(bitmap.Canvas().Pixel(2, 0), clWhite);
    bitmap.SetPixelFormat(TPixelFormat::pf8bit);  // the 16 colours fit: the table is kept
    EXPECT_EQ(bitmap.Dib().Palette.size(), 16u);
    bitmap.SetPixelFormat(TPixelFormat::pf1bit);  // 16 don't fit two entries
    EXPECT_EQ(bitmap.Dib().Palette.size(), 2u);
    EXPECT_EQ(bitmap.Canvas().Pixel(0, 0), clBlack);
    for (TPixelFormat format : {TPixelFormat::pf15bit, TPixelFormat::pf16bit, TPixelFormat::pf32bit,
                                TPixelFormat::pf24bit}) {
        bitmap.SetPixelFormat(format);
        EXPECT_EQ(bitmap.Canvas().Pixel(0, 0), clBlack);
        EXPECT_EQ(bitmap.Canvas().Pixel(2, 0), clWhite);
        EXPECT_TRUE(bitmap.Dib().Palette.empty());
    }
    EXPECT_THROW(bitmap.SetPixelFormat(TPixelFormat::pfCustom), EInvalidGraphicOperation);
    EXPECT_EQ(bitmap.PixelFormat(), TPixelFormat::pf24bit);
}

TEST(BitmapTest, SixteenBitStoresKeepFullIntensityAndReadBackAsShown)
{
    for (TPixelFormat format : {TPixelFormat::pf15bit, TPixelFormat::pf16bit}) {
        TBitmap bitmap;
        bitmap.SetSize(4, 1);
        bitmap.Canvas().SetPixel(0, 0, 0x00FF00);
        bitmap.Canvas().SetPixel(1, 0, 0x804020);
        bitmap.Canvas().SetPixel(2, 0, 0x0A1B2C);
        bitmap.SetPixelFormat(format);
        EXPECT_EQ(bitmap.Canvas().Pixel(0, 0), 0x00FF00u);
        EXPECT_EQ(bitmap.Canvas().Pixel(3, 0), clWhite);
        TMemoryStream file;
        bitmap.SaveToStream(file);
        file.SetPosition(0);
        TBitmap loaded;
        loaded.LoadFromStream(file);
        for (std::int32_t x = 0; x < 4; ++x)
            EXPECT_EQ(loaded.Canvas().Pixel(x, 0), bitmap.Canvas().Pixel(x, 0)) << x;
    }
}

TEST(BitmapTest, PaletteIsMadeOnDemandOwnedAndReplaceable)
{
    const std::size_t livePalettes = LivePaletteCount();
    {
        TBitmap bitmap;
        bitmap.SetSize(2, 1);
        bitmap.SetPixelFormat(TPixelFormat::pf1bit);
        const HPALETTE made = bitmap.Palette();
        ASSERT_NE(made, 0u);
        EXPECT_EQ(bitmap.Palette(), made);  // asked twice, made once
        EXPECT_EQ(GetPaletteEntries(made),
                  (std::vector<TPaletteEntry>{{0, 0, 0, 0}, {255, 255, 255, 0}}));

        int changes = 0;
        bitmap.OnChange = [&](TObject*) { ++changes; };
        TLogPalette redGreen;
        redGreen.palPalEntry = {{255, 0, 0, 0}, {0, 255, 0, 0}, {0, 0, 255, 0}};
        const HPALETTE given = CreatePalette(redGreen);
        bitmap.SetPalette(given);
        EXPECT_EQ(changes, 1);
        EXPECT_FALSE(IsPalette(made));  // the old one was the bitmap's to free
        EXPECT_EQ(bitmap.Palette(), given);
        // Index 0 and 1 now show the first two entries; the third doesn't fit one bit.
        EXPECT_EQ(bitmap.Dib().Palette.size(), 2u);
        EXPECT_EQ(bitmap.Canvas().Pixel(0, 0), clLime);  // it was white, index 1
    }
    EXPECT_EQ(LivePaletteCount(), livePalettes);
}

TEST(BitmapTest, PaletteOfATrueColourBitmapIsKeptButLeavesPixels)
{
    const std::size_t livePalettes = LivePaletteCount();
    {
        TBitmap bitmap;
        bitmap.SetSize(1, 1);
        TLogPalette one;
        one.palPalEntry = {{1, 2, 3, 0}};
        const HPALETTE given = CreatePalette(one);
        bitmap.SetPalette(given);
        EXPECT_EQ(bitmap.Palette(), given);
        EXPECT_EQ(bitmap.Canvas().Pixel(0, 0), clWhite);
        bitmap.SetPalette(12345678);  // unknown: no palette
        EXPECT_EQ(bitmap.Palette(), 0u);
        EXPECT_FALSE(IsPalette(given));
    }
    EXPECT_EQ(LivePaletteCount(), livePalettes);
}

TEST(BitmapTest, AssignFromBitmapIsADeepCopy)
{
    TBitmap source;
    source.SetSize(3, 2);
    source.SetPixelFormat(TPixelFormat::pf8bit);
    source.Canvas().SetPixel(1, 1, clRed);
    TBitmap copy;
    int changes = 0;
    copy.OnChange = [&](TObject*) { ++changes; };
    copy.Assign(&source);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(copy.Width(), 3);
    EXPECT_EQ(copy.PixelFormat(), TPixelFormat::pf8bit);
    EXPECT_EQ(copy.Canvas().Pixel(1, 1), clRed);
    source.Canvas().SetPixel(1, 1, clBlue);
    EXPECT_EQ(copy.Canvas().Pixel(1, 1), clRed);
    EXPECT_NE(copy.Palette(), source.Palette());

    copy.Assign(nullptr);
    EXPECT_TRUE(copy.Empty());
    EXPECT_EQ(copy.PixelFormat(), TPixelFormat::pf24bit);
    EXPECT_EQ(changes, 2);
}

// A graphic that paints its whole rectangle in one colour.
class SolidGraphic : public TIcon {
public:
    void Draw(TCanvas& canvas, const TRect& rect) override
    {
        canvas.Brush.Color = clNavy;
        canvas.FillRect(Rect(rect.Left, rect.Top, rect.Right - 1, rect.Bottom));
    }
    std::int32_t Width() const override { return 3; }
    std::int32_t Height() const override { return 2; }
};

TEST(BitmapTest, AssignFromAnotherGraphicDrawsItOnWhite)
{
    SolidGraphic graphic;
    TBitmap bitmap;
    bitmap.SetSize(10, 10);
    bitmap.SetPixelFormat(TPixelFormat::pf1bit);
    bitmap.Assign(&graphic);
    EXPECT_EQ(bitmap.Width(), 3);
    EXPECT_EQ(bitmap.Height(), 2);
    EXPECT_EQ(bitmap.PixelFormat(), TPixelFormat::pf24bit);
    EXPECT_EQ(bitmap.Canvas().Pixel(1, 1), clNavy);
    EXPECT_EQ(bitmap.Canvas().Pixel(2, 1), clWhite);
}

TEST(BitmapTest, DrawCopiesClippedAndStretchesNearestNeighbour)
{
    TBitmap source;
    source.SetSize(2, 2);
    source.Canvas().SetPixel(0, 0, clRed);
    source.Canvas().SetPixel(1, 0, clLime);
    source.Canvas().SetPixel(0, 1, clBlue);
    source.Canvas().SetPixel(1, 1, clBlack);

    TBitmap target;
    MakeWhite(target, 5, 5);
    int changes = 0;
    target.OnChange = [&](TObject*) { ++changes; };
    target.Canvas().Draw(4, -1, source);  // only (0,1) of the source lands, at (4,0)
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(NonWhite(target), (PixelSet{{4, 0}}));
    EXPECT_EQ(target.Canvas().Pixel(4, 0), clBlue);

    target.Canvas().StretchDraw(Rect(0, 0, 4, 4), source);
    EXPECT_EQ(target.Canvas().Pixel(1, 1), clRed);
    EXPECT_EQ(target.Canvas().Pixel(2, 1), clLime);
    EXPECT_EQ(target.Canvas().Pixel(1, 2), clBlue);
    EXPECT_EQ(target.Canvas().Pixel(3, 3), clBlack);
    EXPECT_EQ(target.Canvas().Pixel(4, 4), clWhite);

    target.Canvas().StretchDraw(Rect(4, 4, 0, 0), source);  // inverted: nothing
    EXPECT_EQ(target.Canvas().Pixel(4, 4), clWhite);
}

TEST(BitmapTest, DrawingABitmapOntoItselfReadsThePictureAsItWas)
{
    TBitmap bitmap;
    MakeWhite(bitmap, 4, 1);
    bitmap.Canvas().SetPixel(0, 0, clRed);
    bitmap.Canvas().SetPixel(1, 0, clBlue);
    bitmap.Canvas().StretchDraw(Rect(1, 0, 5, 1), bitmap);
    EXPECT_EQ(bitmap.Canvas().Pixel(1, 0), clRed);
    EXPECT_EQ(bitmap.Canvas().Pixel(2, 0), clBlue);
    EXPECT_EQ(bitmap.Canvas().Pixel(3, 0), clWhite);
}

TEST(BitmapTest, LoadsBmpAndIsUnchangedWhenLoadingFails)
{
    TBitmap bitmap;
    TMemoryStream good(Bmp24({{clRed, clLime, clBlue}, {clBlack, clWhite, 0x123456}}));
    int changes = 0;
    bitmap.OnChange = [&](TObject*) { ++changes; };
    bitmap.LoadFromStream(good);
    EXPECT_EQ(changes, 1);
    ASSERT_EQ(bitmap.Width(), 3);
    EXPECT_EQ(bitmap.Canvas().Pixel(0, 0), clRed);
    EXPECT_EQ(bitmap.Canvas().Pixel(2, 1), 0x123456u);

    std::vector<std::uint8_t> notBm = Bmp24({{clRed}});
    notBm[0] = 'X';
    // An empty file is no bitmap either: it fails like any other, rather than emptying the picture.
    for (const std::vector<std::uint8_t>& bad : {notBm, std::vector<std::uint8_t>{}}) {
        TMemoryStream badStream(bad);
        try {
            bitmap.LoadFromStream(badStream);
            ADD_FAILURE() << "a bad image of " << bad.size() << " bytes loaded";
        } catch (const EInvalidGraphic& e) {
            EXPECT_EQ(e.Message, Messages::InvalidBitmap);
        }
    }
    std::vector<std::uint8_t> truncated = Bmp24({{clBlue, clBlue}, {clBlue, clBlue}});
    truncated.resize(truncated.size() - 5);
    TMemoryStream truncatedStream(truncated);
    EXPECT_THROW(bitmap.LoadFromStream(truncatedStream), Exception);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(bitmap.Width(), 3);
    EXPECT_EQ(bitmap.Canvas().Pixel(0, 0), clRed);
}

TEST(BitmapTest, SaveAndLoadFilesRoundTrip)
{
    TempFolder folder;
    TBitmap bitmap;
    bitmap.SetSize(5, 3);
    bitmap.Canvas().SetPixel(4, 2, 0x00ABCDEF);
    bitmap.SaveToFile(folder.Path("saved.jpg"));  // the extension doesn't matter
    TBitmap loaded;
    loaded.LoadFromFile(folder.Path("saved.jpg"));
    EXPECT_EQ(loaded.Width(), 5);
    EXPECT_EQ(loaded.PixelFormat(), TPixelFormat::pf24bit);
    EXPECT_EQ(loaded.Canvas().Pixel(4, 2), 0x00ABCDEFu);

    const std::string missing = folder.Path("missing.bmp");
    try {
        loaded.LoadFromFile(missing);
        FAIL() << "a missing file loaded";
    } catch (const EFOpenError& e) {
        EXPECT_EQ(e.Message, "ファイル " + missing + " は開けません");
    }
    EXPECT_EQ(loaded.Width(), 5);
}

TEST(BitmapTest, ClipboardRoundTripAsPackedDib)
{
    const std::size_t livePalettes = LivePaletteCount();
    TBitmap bitmap;
    bitmap.SetSize(3, 2);
    bitmap.SetPixelFormat(TPixelFormat::pf8bit);
    bitmap.Canvas().SetPixel(2, 1, clRed);
    std::uint16_t format = 0;
    std::vector<std::uint8_t> data;
    HPALETTE palette = 0;
    bitmap.SaveToClipboardFormat(format, data, palette);
    EXPECT_EQ(format, CF_BITMAP);
    ASSERT_NE(palette, 0u);
    EXPECT_NE(palette, bitmap.Palette());  // a copy for the clipboard
    EXPECT_EQ(GetPaletteEntries(palette), GetPaletteEntries(bitmap.Palette()));
    DeleteObject(palette);

    TBitmap pasted;
    pasted.LoadFromClipboardFormat(CF_DIB, data, 0);
    EXPECT_EQ(pasted.Width(), 3);
    EXPECT_EQ(pasted.PixelFormat(), TPixelFormat::pf8bit);
    EXPECT_EQ(pasted.Canvas().Pixel(2, 1), clRed);
    EXPECT_THROW(pasted.LoadFromClipboardFormat(CF_ENHMETAFILE, data, 0), EInvalidGraphic);
    EXPECT_THROW(pasted.LoadFromClipboardFormat(CF_BITMAP, {1, 2, 3}, 0), EInvalidGraphic);
    EXPECT_EQ(pasted.Width(), 3);
    bitmap.Assign(nullptr);
    pasted.Assign(nullptr);
    EXPECT_EQ(LivePaletteCount(), livePalettes);
}

TEST(BitmapTest, SetDibRefusesAStoreThatDoesNotHoldItsRows)
{
    TBitmap bitmap;
    TDib dib;
    dib.Width = 4;
    dib.Height = 4;
    dib.Stride = 12;
    dib.Bits.resize(12 * 3);
    EXPECT_THROW(bitmap.SetDib(dib), EInvalidGraphic);
    // Rows padded beyond their stride: such a store could be shown but never saved or copied.
    TDib padded = dib;
    padded.Stride = 16;
    padded.Bits.resize(16 * 4);
    EXPECT_THROW(bitmap.SetDib(padded), EInvalidGraphic);
    dib.Bits.resize(12 * 4);
    bitmap.SetDib(dib);
    EXPECT_EQ(bitmap.Width(), 4);
    TMemoryStream saved;
    bitmap.SaveToStream(saved);
    EXPECT_EQ(saved.Size(), 14 + 40 + 12 * 4);
}

TEST(BitmapTest, EveryModificationReportsAChange)
{
    TBitmap bitmap;
    int changes = 0;
    bitmap.OnChange = [&](TObject*) { ++changes; };
    bitmap.SetSize(2, 2);
    EXPECT_EQ(changes, 1);
    bitmap.SetSize(2, 2);  // no change, no report
    EXPECT_EQ(changes, 1);
    bitmap.SetPixelFormat(TPixelFormat::pf8bit);
    EXPECT_EQ(changes, 2);
    bitmap.SetTransparent(true);
    EXPECT_EQ(changes, 3);
    EXPECT_TRUE(bitmap.Modified());
    bitmap.SetModified(false);
    EXPECT_FALSE(bitmap.Modified());
}

}  // namespace
