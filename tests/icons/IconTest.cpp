// Icons built in memory: which image is shown, how it is drawn over a canvas, and what is refused.
#include <gtest/gtest.h>

#include "platform/core/Exceptions.h"
#include "platform/graphics/Icon.h"
#include "tests/icons/IconTestSupport.h"

using namespace icon_test;

namespace {

constexpr const char* InvalidIcon = "アイコンイメージが不正です";

TColor DrawnAt(TIcon& icon, TColor background, int x, int y, TRect rect = {0, 0, 0, 0})
{
    TBitmap canvas;
    Fill(canvas, 40, 40, background);
    if (rect.Right == 0)
        rect = Rect(0, 0, icon.Width(), icon.Height());
    canvas.Canvas().StretchDraw(rect, icon);
    return canvas.Canvas().Pixel(x, y);
}

std::string LoadError(const std::vector<std::uint8_t>& bytes)
{
    TIcon icon;
    try {
        LoadBytes(icon, bytes);
    } catch (const EInvalidGraphic& e) {
        return e.Message;
    }
    return "";
}

}  // namespace

TEST(IconTest, ShowsTheLargestImageAndOfEqualSizesTheDeepest)
{
    const Entry small{SolidBmpImage(16, 16, 32, 0xFFFF0000), 16, 16, 32};
    const Entry large4{SolidBmpImage(32, 32, 4, 0x0000FF00), 32, 32, 4};
    const Entry large24{SolidBmpImage(32, 32, 24, 0x000000FF), 32, 32, 24};
    const Entry large24Again{SolidBmpImage(32, 32, 24, 0x00FFFFFF), 32, 32, 24};
    struct Case {
        std::vector<Entry> entries;
        TColor shown;
    };
    const Case cases[] = {
        {{small, large4}, clLime},
        {{large4, small}, clLime},
        {{large4, large24, small}, clBlue},
        {{large24, large4}, clBlue},
        {{large24, large24Again}, clBlue},  // of equal images the first listed
    };
    for (const Case& c : cases) {
        TIcon icon;
        LoadBytes(icon, IconFile(c.entries));
        EXPECT_EQ(icon.Width(), 32);
        EXPECT_EQ(icon.Height(), 32);
        EXPECT_EQ(DrawnAt(icon, clBlack, 31, 31), c.shown);
    }
}

TEST(IconTest, TheImagesOwnHeaderSaysWhatItIsNotTheDirectory)
{
    // The directory calls the first image 64 x 64 and the second 8 x 8; their headers disagree.
    TIcon icon;
    LoadBytes(icon, IconFile({{SolidBmpImage(8, 8, 24, 0x000000FF), 64, 64, 32}, {SolidBmpImage(24, 16, 8, 0x0000FF00), 8, 8, 1}}));
    EXPECT_EQ(icon.Width(), 24);
    EXPECT_EQ(icon.Height(), 16);
    EXPECT_EQ(DrawnAt(icon, clBlack, 0, 0), clLime);
}

TEST(IconTest, EveryBmpDepthReadsItsColoursAndMask)
{
    // A 2 x 2 image: red, green / blue, transparent (mask set over black).
    const std::vector<Argb> palette{0xFF000000, 0xFFFF0000, 0xFF00FF00, 0xFF0000FF};
    const std::vector<bool> mask{false, false, false, true};
    for (int bits : {1, 4, 8, 24, 32}) {
        SCOPED_TRACE(bits);
        std::vector<std::uint32_t> values;
        std::vector<Argb> table;
        if (bits == 1) {  // two colours only: white, then black where the mask is
            table = {0xFF000000, 0xFFFFFFFF};
            values = {1, 1, 1, 0};
        } else if (bits <= 8) {
            table = palette;
            values = {1, 2, 3, 0};
        } else {
            values = {0xFF0000, 0x00FF00, 0x0000FF, 0};  // a 32-bit image without alpha: the mask decides
        }
        TIcon icon;
        LoadBytes(icon, IconFile({{BmpImage(2, 2, bits, table, values, mask), 2, 2, bits}}));
        const TColor first = bits == 1 ? clWhite : clRed;
        EXPECT_EQ(DrawnAt(icon, clGray, 0, 0), first);
        if (bits > 1) {
            EXPECT_EQ(DrawnAt(icon, clGray, 1, 0), clLime);
            EXPECT_EQ(DrawnAt(icon, clGray, 0, 1), clBlue);
        }
        EXPECT_EQ(DrawnAt(icon, clGray, 1, 1), clGray);  // the canvas shows through
    }
}

TEST(IconTest, TheMaskLetsTheCanvasThroughAndAlphaBlendsOverIt)
{
    // Colour left under a set mask bit is not drawn.
    TIcon masked;
    LoadBytes(masked, IconFile({{BmpImage(2, 1, 24, {}, {0xFFFFFF, 0xFFFFFF}, {true, false}), 2, 1, 24}}));
    EXPECT_EQ(DrawnAt(masked, 0x204060, 0, 0), 0x204060u);
    EXPECT_EQ(DrawnAt(masked, 0x204060, 1, 0), clWhite);

    // 32 bits with alpha: the mask is not consulted; half-transparent red over blue.
    TIcon blended;
    LoadBytes(blended, IconFile({{BmpImage(2, 1, 32, {}, {0x80FF0000, 0x00FF0000}, {true, false}), 2, 1, 32}}));
    EXPECT_EQ(DrawnAt(blended, clBlue, 0, 0), RGB(128, 0, 127));
    EXPECT_EQ(DrawnAt(blended, clBlue, 1, 0), clBlue);

    // A PNG image with alpha.
    TIcon png;
    LoadBytes(png, IconFile({{PngImage(2, 1, {0, 255, 0, 255, 0, 255, 0, 0}), 2, 1, 32}}));
    EXPECT_EQ(DrawnAt(png, clRed, 0, 0), clLime);
    EXPECT_EQ(DrawnAt(png, clRed, 1, 0), clRed);
}

TEST(IconTest, DrawsStretchedToTheRectangleAndClippedToTheCanvas)
{
    TIcon icon;
    LoadBytes(icon, IconFile({{BmpImage(2, 1, 24, {}, {0xFF0000, 0x0000FF}, {false, false}), 2, 1, 24}}));
    EXPECT_EQ(DrawnAt(icon, clWhite, 9, 9, Rect(0, 0, 20, 10)), clRed);
    EXPECT_EQ(DrawnAt(icon, clWhite, 10, 9, Rect(0, 0, 20, 10)), clBlue);
    EXPECT_EQ(DrawnAt(icon, clWhite, 0, 10, Rect(0, 0, 20, 10)), clWhite);
    EXPECT_EQ(DrawnAt(icon, clWhite, 39, 0, Rect(30, -5, 60, 5)), clRed);  // partly outside: no fault

    TBitmap onWhite;
    onWhite.Assign(&icon);  // what a window shows of it
    EXPECT_EQ(onWhite.Width(), 2);
    EXPECT_EQ(onWhite.Canvas().Pixel(1, 0), clBlue);
}

TEST(IconTest, RefusesBrokenFilesAndStaysAsItWas)
{
    const std::vector<std::uint8_t> good = IconFile({{SolidBmpImage(4, 4, 24, 0xFF0000), 4, 4, 24}});
    auto with = [&](std::size_t offset, std::vector<std::uint8_t> bytes) {
        std::vector<std::uint8_t> file = good;
        std::copy(bytes.begin(), bytes.end(), file.begin() + static_cast<std::ptrdiff_t>(offset));
        return file;
    };
    constexpr std::size_t image = 22;  // the image's info header
    const std::vector<std::uint8_t> cases[] = {
        {},
        {0, 0, 1, 0},
        with(2, {2, 0}),                               // a cursor
        with(4, {0, 0}),                               // no image
        with(4, {9, 0}),                               // directory longer than the file
        with(14, {0xF0, 0xFF, 0xFF, 0xFF}),            // image bytes past the end
        with(18, {0xFF, 0xFF, 0xFF, 0xFF}),            // image offset past the end
        with(image, {0xFF, 0xFF, 0xFF, 0x7F}),         // header size past the image
        with(image + 4, {0, 0, 0, 0x40}),              // absurd width
        with(image + 8, {0, 0, 0, 0x80}),              // negative height
        with(image + 8, {1, 0, 0, 0}),                 // no room for a row and its mask
        with(image + 14, {16, 0}),                     // 16 bits: not taken
        with(image + 16, {1, 0, 0, 0}),                // compressed
        std::vector<std::uint8_t>(good.begin(), good.end() - 20),  // rows cut short
    };
    TIcon icon;
    LoadBytes(icon, good);
    for (const auto& bytes : cases) {
        EXPECT_EQ(LoadError(bytes), InvalidIcon);
        EXPECT_THROW(LoadBytes(icon, bytes), EInvalidGraphic);
        EXPECT_EQ(icon.Width(), 4);
        EXPECT_EQ(icon.Data(), good);
    }
    // A colour table longer than the depth allows, and a PNG that lies about its size.
    std::vector<std::uint8_t> table = IconFile({{SolidBmpImage(4, 4, 1, 0xFF0000), 4, 4, 1}});
    table[image + 32] = 3;
    EXPECT_EQ(LoadError(table), InvalidIcon);
    std::vector<std::uint8_t> png = PngImage(2, 2, std::vector<std::uint8_t>(16, 255));
    png[18] = 0x10;  // 4096 x 4096 claimed by a few dozen bytes
    png[19] = 0x00;
    png[22] = 0x10;
    png[23] = 0x00;
    EXPECT_EQ(LoadError(IconFile({{png, 2, 2, 32}})), InvalidIcon);
}

TEST(IconTest, ABrokenEntryIsPassedOverWhenAnotherIsGood)
{
    std::vector<std::uint8_t> file = IconFile({{SolidBmpImage(4, 4, 24, 0xFF0000), 4, 4, 24}, {SolidBmpImage(8, 8, 24, 0x00FF00), 8, 8, 24}});
    file[22 + 8] = 0xFF;  // the second entry's size now runs past the file
    file[22 + 9] = 0xFF;
    TIcon icon;
    LoadBytes(icon, file);
    EXPECT_EQ(icon.Width(), 4);
}

TEST(IconTest, HasFixedSizeAndNoClipboardFormat)
{
    TIcon icon;
    LoadBytes(icon, IconFile({{SolidBmpImage(4, 4, 24, 0xFF0000), 4, 4, 24}}));
    EXPECT_THROW(icon.SetWidth(8), EInvalidGraphicOperation);
    std::uint16_t format = 0;
    std::vector<std::uint8_t> data;
    HPALETTE palette = 0;
    try {
        icon.SaveToClipboardFormat(format, data, palette);
        FAIL() << "an icon went to the clipboard";
    } catch (const EInvalidGraphic& e) {
        EXPECT_EQ(e.Message, "クリップボードはアイコンには対応していません");
    }
    EXPECT_THROW(icon.LoadFromClipboardFormat(CF_BITMAP, data, 0), EInvalidGraphic);
    EXPECT_EQ(icon.Width(), 4);

    TIcon copy;
    copy.Assign(&icon);
    EXPECT_EQ(DrawnAt(copy, clWhite, 3, 3), clRed);
}
