#include <gtest/gtest.h>

#include <memory>

#include "platform/controls/Clipboard.h"
#include "platform/controls/FakeServices.h"
#include "platform/core/Exceptions.h"
#include "platform/graphics/Icon.h"

namespace {

class ClipboardExchange : public ::testing::Test {
protected:
    TFakeServices fakes;
};

std::unique_ptr<TBitmap> SmallBitmap()
{
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->SetSize(3, 2);
    bitmap->Canvas().SetPixel(1, 1, RGB(10, 20, 30));
    return bitmap;
}

}  // namespace

TEST_F(ClipboardExchange, APictureGoesThereAsABitmapAndComesBack)
{
    TPicture picture;
    picture.TakeGraphic(SmallBitmap());
    Clipboard()->Assign(picture);
    EXPECT_TRUE(Clipboard()->HasFormat(CF_BITMAP));
    EXPECT_FALSE(Clipboard()->HasFormat(CF_PALETTE));  // a 24-bit bitmap has none
    TBitmap pasted;
    ASSERT_TRUE(Clipboard()->GetBitmap(pasted));
    EXPECT_EQ(pasted.Width(), 3);
    EXPECT_EQ(pasted.Height(), 2);
    EXPECT_EQ(pasted.Canvas().Pixel(1, 1), RGB(10, 20, 30));
    EXPECT_EQ(pasted.Canvas().Pixel(0, 0), clWhite);
}

TEST_F(ClipboardExchange, AnIconRefusesAndThePreviousContentStays)
{
    fakes.Clipboard.Put(1, {'t', 'e', 'x', 't'});  // CF_TEXT from another program
    TPicture picture;
    picture.TakeGraphic(std::make_unique<TIcon>());
    try {
        Clipboard()->Assign(picture);
        FAIL() << "an icon went to the clipboard";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message, "クリップボードはアイコンには対応していません");
    }
    EXPECT_EQ(fakes.Clipboard.SetContentCalls(), 0);
    EXPECT_TRUE(Clipboard()->HasFormat(1));
}

TEST_F(ClipboardExchange, WithoutABitmapNothingIsPasted)
{
    fakes.Clipboard.Put(1, {'x'});
    TBitmap bitmap;
    bitmap.SetSize(2, 2);
    EXPECT_FALSE(Clipboard()->GetBitmap(bitmap));
    EXPECT_EQ(bitmap.Width(), 2);
}

TEST_F(ClipboardExchange, MalformedBitmapDataRaisesAndLeavesTheTargetAlone)
{
    fakes.Clipboard.Put(CF_BITMAP, {1, 2, 3});
    TBitmap bitmap;
    bitmap.SetSize(2, 2);
    EXPECT_THROW(Clipboard()->GetBitmap(bitmap), EInvalidGraphic);
    EXPECT_EQ(bitmap.Width(), 2);
    EXPECT_EQ(LivePaletteCount(), 0u);
}

TEST(ClipboardPalette, RoundTripsAndRejectsShortData)
{
    TLogPalette palette;
    palette.palPalEntry = {{1, 2, 3, 0}, {250, 251, 252, 0}};
    const HPALETTE handle = CreatePalette(palette);
    const std::vector<std::uint8_t> data = EncodePalette(handle);
    DeleteObject(handle);
    EXPECT_EQ(data.size(), 4u + 2 * 4);
    EXPECT_EQ(DecodePalette(data).palPalEntry, palette.palPalEntry);
    for (std::size_t cut : {0u, 3u, 4u, 11u}) {
        const std::vector<std::uint8_t> shortData(data.begin(), data.begin() + static_cast<std::ptrdiff_t>(cut));
        EXPECT_TRUE(DecodePalette(shortData).palPalEntry.empty()) << "cut at " << cut;
    }
    std::vector<std::uint8_t> huge = data;
    huge[2] = 0xFF;
    huge[3] = 0xFF;  // claims 65535 entries
    EXPECT_TRUE(DecodePalette(huge).palPalEntry.empty());
}
