// Run-length coded pictures: every code, the pixels codes skip, and runs that leave the picture.
#include <gtest/gtest.h>

#include "platform/graphics/BmpCodec.h"
#include "tests/bmp/BmpTestSupport.h"

namespace {

using namespace bmptest;
using Rows = std::vector<std::vector<unsigned>>;  // indices, top row first

struct RleCase {
    const char* name;
    int bits;
    std::int32_t width, height;
    Bytes data;
    Rows rows;  // empty: the file is refused as broken
};

Bytes RleFile(const RleCase& c)
{
    BmpRecipe recipe;
    recipe.Width = c.width;
    recipe.Height = c.height;
    recipe.BitCount = static_cast<std::uint16_t>(c.bits);
    recipe.Compression = c.bits == 8 ? 1 : 2;
    recipe.ClrUsed = 16;
    recipe.Table = Bytes(16 * 4, 0);
    recipe.Pixels = c.data;
    recipe.SizeImage = static_cast<std::uint32_t>(c.data.size());
    return MakeBmp(recipe);
}

Rows Indices(const TDib& dib)
{
    Rows rows(static_cast<std::size_t>(dib.Height));
    for (std::int32_t y = 0; y < dib.Height; ++y)
        for (std::int32_t x = 0; x < dib.Width; ++x)
            rows[static_cast<std::size_t>(y)].push_back(DibIndex(dib, x, y));
    return rows;
}

TEST(BmpRle, DecodesEveryCode)
{
    const RleCase cases[] = {
        {"encoded runs and end of line", 8, 4, 2, {2, 5, 2, 6, 0, 0, 4, 7, 0, 1}, {{7, 7, 7, 7}, {5, 5, 6, 6}}},
        {"delta leaves index 0 behind", 8, 4, 2, {1, 3, 0, 2, 2, 1, 1, 4, 0, 1}, {{0, 0, 0, 4}, {3, 0, 0, 0}}},
        {"early end of bitmap", 8, 4, 2, {2, 9, 0, 1}, {{0, 0, 0, 0}, {9, 9, 0, 0}}},
        {"absolute run padded to a word", 8, 4, 1, {0, 3, 1, 2, 3, 0, 1, 8, 0, 1}, {{1, 2, 3, 8}}},
        {"no end of bitmap after the last pixel", 8, 4, 2, {4, 1, 0, 0, 4, 2}, {{2, 2, 2, 2}, {1, 1, 1, 1}}},
        {"delta beyond the top, then the end", 8, 4, 2, {0, 2, 0, 5, 0, 1}, {{0, 0, 0, 0}, {0, 0, 0, 0}}},
        {"ends of line beyond the picture", 8, 4, 1, {4, 3, 0, 0, 0, 0, 0, 0}, {{3, 3, 3, 3}}},
        {"4-bit runs alternate nibbles, high first", 4, 5, 1, {5, 0x12, 0, 1}, {{1, 2, 1, 2, 1}}},
        {"4-bit absolute run of even bytes", 4, 5, 1, {0, 3, 0x34, 0x50, 2, 0x66, 0, 1}, {{3, 4, 5, 6, 6}}},
        {"4-bit absolute run padded to a word", 4, 5, 1, {0, 5, 0x12, 0x34, 0x50, 0, 0, 1}, {{1, 2, 3, 4, 5}}},
        {"4-bit delta", 4, 5, 1, {1, 0x70, 0, 2, 3, 0, 1, 0x80, 0, 1}, {{7, 0, 0, 0, 8}}},
        // Broken data.
        {"picture unfinished when the data ends", 8, 4, 2, {4, 1, 0, 0}, {}},
        {"data ends inside a run code", 8, 4, 1, {4}, {}},
        {"data ends inside an absolute run", 8, 4, 1, {0, 3, 1, 2}, {}},
        {"data ends inside a delta", 8, 4, 1, {0, 2, 1}, {}},
        {"encoded run past the row end", 8, 4, 1, {5, 1, 0, 1}, {}},
        {"absolute run past the row end", 8, 4, 1, {2, 1, 0, 3, 1, 2, 3, 0, 0, 1}, {}},
        {"pixel after a delta past the row end", 8, 4, 1, {0, 2, 5, 0, 1, 1, 0, 1}, {}},
        {"pixel above the top row", 8, 4, 2, {0, 0, 0, 0, 1, 1, 0, 1}, {}},
        {"4-bit run past the row end", 4, 5, 1, {6, 0x11, 0, 1}, {}},
    };
    for (const RleCase& c : cases) {
        const Bytes file = RleFile(c);
        if (c.rows.empty()) {
            EXPECT_EQ(FileEnding(file), Ending::InvalidBitmap) << c.name;
            continue;
        }
        const TDib dib = ReadBmpFile(file.data(), file.size());
        EXPECT_EQ(dib.PixelFormat, c.bits == 8 ? TPixelFormat::pf8bit : TPixelFormat::pf4bit) << c.name;
        EXPECT_EQ(Indices(dib), c.rows) << c.name;
    }
}

TEST(BmpRle, IndicesBeyondTheTableAreRefused)
{
    RleCase c{"", 8, 2, 1, {2, 16, 0, 1}, {}};
    EXPECT_EQ(FileEnding(RleFile(c)), Ending::InvalidBitmap);
}

TEST(BmpRle, TheStatedSizeBoundsTheData)
{
    // The end-of-bitmap code lies past the stated size: the data ends unfinished.
    const RleCase c{"", 8, 4, 2, {4, 1, 0, 0, 4, 2, 0, 1}, {}};
    Bytes file = RleFile(c);
    file[34] = 4;  // biSizeImage: only the first row
    EXPECT_EQ(FileEnding(file), Ending::InvalidBitmap);
}

}  // namespace
