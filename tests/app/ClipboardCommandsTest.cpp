// Edit > Copy and Edit > Paste through the clipboard service.
#include "tests/app/AppTestSupport.h"

#include "platform/graphics/BmpCodec.h"
#include "platform/graphics/Icon.h"
#include "platform/graphics/Metafile.h"
#include "tests/icons/MetafileBuilder.h"

namespace {

constexpr std::uint16_t CF_TEXT = 1;

// A packed DIB of a solid 24-bit bitmap, as another program would put it on the clipboard.
std::vector<std::uint8_t> PackedDibOf(int width, int height, TColor color)
{
    TBitmap bitmap;
    bitmap.SetSize(width, height);
    bitmap.Canvas().Brush.Color = color;
    bitmap.Canvas().FillRect(Rect(0, 0, width, height));
    std::uint16_t format = 0;
    std::vector<std::uint8_t> data;
    HPALETTE palette = 0;
    bitmap.SaveToClipboardFormat(format, data, palette);
    return data;
}

}  // namespace

using ClipboardCommandsTest = AppTest;

TEST_F(ClipboardCommandsTest, CopyPutsTheBitmapWithItsPaletteWhenItHasOne)
{
    LoadPicture(*SolidBitmap(5, 3, clRed));
    fakes.Clipboard.Put(CF_TEXT, {'o', 'l', 'd'});

    EXPECT_EQ(Choose(form->C1), "");

    EXPECT_FALSE(fakes.Clipboard.HasFormat(CF_TEXT));  // emptied first
    ASSERT_TRUE(fakes.Clipboard.HasFormat(CF_BITMAP));
    const std::vector<std::uint8_t> dib = *fakes.Clipboard.GetData(CF_BITMAP);
    const TDib copied = ReadPackedDib(dib.data(), dib.size());
    EXPECT_EQ(copied.Width, 5);
    EXPECT_EQ(copied.Height, 3);
    EXPECT_FALSE(fakes.Clipboard.HasFormat(CF_PALETTE));

    // An 8-bit picture carries its palette along.
    TBitmap indexed;
    indexed.Assign(SolidBitmap(4, 4, clBlue).get());
    indexed.SetPixelFormat(TPixelFormat::pf8bit);
    LoadPicture(indexed);
    EXPECT_EQ(Choose(form->C1), "");
    EXPECT_TRUE(fakes.Clipboard.HasFormat(CF_BITMAP));
    EXPECT_TRUE(fakes.Clipboard.HasFormat(CF_PALETTE));
}

TEST_F(ClipboardCommandsTest, CopyOfAnIconFailsAndLeavesTheClipboardAsItWas)
{
    form->Show();
    ASSERT_EQ(Drop({CorpusIcon()}), "");
    fakes.Clipboard.Put(CF_TEXT, {'k', 'e', 'e', 'p'});
    const int setsBefore = fakes.Clipboard.SetContentCalls();

    EXPECT_EQ(Choose(form->C1), "クリップボードはアイコンには対応していません");

    EXPECT_EQ(fakes.Clipboard.SetContentCalls(), setsBefore);
    EXPECT_EQ(fakes.Clipboard.FormatCount(), 1u);
    EXPECT_EQ(*fakes.Clipboard.GetData(CF_TEXT), (std::vector<std::uint8_t>{'k', 'e', 'e', 'p'}));
}

TEST_F(ClipboardCommandsTest, CopyOfAMetafileGivesAnEnhancedMetafile)
{
    form->Show();
    const std::string path = WriteBytes("shapes.wmf", PlaceableWmf(0, 0, 96, 96, 96).Rectangle(10, 10, 50, 50).Bytes());
    ASSERT_EQ(Drop({path}), "");

    EXPECT_EQ(Choose(form->C1), "");

    ASSERT_TRUE(fakes.Clipboard.HasFormat(CF_ENHMETAFILE));
    EXPECT_FALSE(fakes.Clipboard.HasFormat(CF_BITMAP));
    TMetafile pasted;
    pasted.LoadFromClipboardFormat(CF_ENHMETAFILE, *fakes.Clipboard.GetData(CF_ENHMETAFILE), 0);
    EXPECT_EQ(pasted.Width(), 96);
}

TEST_F(ClipboardCommandsTest, PasteMakesBothSlotsBitmapsAndClearsNothing)
{
    form->Show();
    ASSERT_EQ(Drop({CorpusIcon()}), "");  // a picture of another kind is replaced
    MarkSlots();
    fakes.Clipboard.Put(CF_BITMAP, PackedDibOf(7, 6, clBlue));

    EXPECT_EQ(Choose(form->V2), "");

    for (TImage* source : {form->Image1, form->Image9}) {
        ASSERT_NE(dynamic_cast<TBitmap*>(source->Picture()->Graphic()), nullptr);
        EXPECT_EQ(source->Picture()->Width(), 7);
        EXPECT_EQ(PixelOf(source, 6, 5), clBlue);
    }
    for (TImage* kept : {form->Image2, form->Image3, form->Image4, form->Image5, form->Image6, form->Image7, form->Image10})
        EXPECT_TRUE(Marked(kept)) << kept->Name();
}

TEST_F(ClipboardCommandsTest, PasteWithoutABitmapOrWithABrokenOneChangesNothing)
{
    LoadPicture(*SolidBitmap(8, 8, clGreen));
    std::vector<std::uint8_t> lying = PackedDibOf(4, 4, clRed);
    lying[4] = 0xFF;  // width far beyond the pixels given
    lying[5] = 0xFF;
    struct Case {
        std::uint16_t format;
        std::vector<std::uint8_t> data;
        std::string message;
    };
    const Case cases[] = {
        {CF_TEXT, {'t', 'e', 'x', 't'}, ""},
        {CF_DIB, PackedDibOf(4, 4, clRed), ""},  // only CF_BITMAP is taken
        {CF_BITMAP, {}, "ビットマップイメージが不正です"},
        {CF_BITMAP, {40, 0, 0, 0, 1}, "ビットマップイメージが不正です"},
        {CF_BITMAP, lying, "ビットマップイメージが不正です"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.format);
        fakes.Clipboard.SetContent({{c.format, c.data}});

        EXPECT_EQ(Choose(form->V2), c.message);

        EXPECT_EQ(PixelOf(form->Image1, 7, 7), clGreen);
        EXPECT_EQ(PixelOf(form->Image9, 7, 7), clGreen);
    }
}

TEST_F(ClipboardCommandsTest, WhatIsCopiedPastesBackTheSame)
{
    TBitmap picture;
    picture.SetSize(3, 2);
    picture.Canvas().SetPixel(0, 0, clRed);
    picture.Canvas().SetPixel(2, 1, clBlue);
    LoadPicture(picture);
    ASSERT_EQ(Choose(form->C1), "");
    LoadPicture(*SolidBitmap(3, 2, clWhite));

    EXPECT_EQ(Choose(form->V2), "");

    EXPECT_EQ(PixelOf(form->Image1, 0, 0), clRed);
    EXPECT_EQ(PixelOf(form->Image9, 2, 1), clBlue);
}
