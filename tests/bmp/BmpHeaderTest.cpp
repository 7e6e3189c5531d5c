// Header versions, bit depths, channel masks, colour tables and the headers the reader refuses.
#include <gtest/gtest.h>

#include <climits>

#include "platform/graphics/BmpCodec.h"
#include "tests/bmp/BmpTestSupport.h"

namespace {

using namespace bmptest;
using Rgb = std::array<std::uint8_t, 3>;

constexpr Rgb C0{0x10, 0x20, 0x30}, C1{0x40, 0x50, 0x60}, C2{0x70, 0x80, 0x90};

// Colours of the store, left to right, top row first.
std::vector<Rgb> Colours(const TDib& dib)
{
    std::vector<Rgb> colours;
    for (std::int32_t y = 0; y < dib.Height; ++y)
        for (std::int32_t x = 0; x < dib.Width; ++x)
            colours.push_back(DibRgb(dib, x, y).value_or(Rgb{1, 2, 3}));
    return colours;
}

TDib Read(const Bytes& bytes) { return ReadBmpFile(bytes.data(), bytes.size()); }

// A 3x2 picture of 8-bit indices with three colours: top row 0 1 2, bottom row 2 1 0.
BmpRecipe ThreeByTwo(std::uint32_t headerSize)
{
    BmpRecipe recipe;
    recipe.HeaderSize = headerSize;
    recipe.Width = 3;
    recipe.Height = 2;
    recipe.BitCount = 8;
    if (headerSize == 12)
        recipe.Table = {0x30, 0x20, 0x10, 0x60, 0x50, 0x40, 0x90, 0x80, 0x70};  // 3-byte entries
    else
        recipe.Table = Quads({0x102030, 0x405060, 0x708090});
    recipe.ClrUsed = headerSize >= 40 ? 3 : 0;
    recipe.Pixels = {2, 1, 0, 0, 0, 1, 2, 0};  // bottom row first
    return recipe;
}

TEST(BmpHeaders, EveryHeaderVersionReadsTheSamePicture)
{
    // OS/2 1.x core, OS/2 2.x short and full, Windows info, V2, V3, V4, V5.
    for (const std::uint32_t size : {12u, 16u, 40u, 52u, 56u, 64u, 108u, 124u}) {
        const TDib dib = Read(MakeBmp(ThreeByTwo(size)));
        EXPECT_EQ(dib.PixelFormat, TPixelFormat::pf8bit) << size;
        EXPECT_EQ(dib.Palette.size(), 3u) << size;  // implied tables end where the pixels begin
        EXPECT_EQ(Colours(dib), (std::vector<Rgb>{C0, C1, C2, C2, C1, C0})) << size;
    }
}

TEST(BmpHeaders, TopDownRowsKeepTheirOrder)
{
    BmpRecipe recipe = ThreeByTwo(40);
    recipe.Height = -2;
    EXPECT_EQ(Colours(Read(MakeBmp(recipe))), (std::vector<Rgb>{C2, C1, C0, C0, C1, C2}));
}

TEST(BmpHeaders, PackedDibPixelsFollowTheColourTable)
{
    BmpRecipe recipe = ThreeByTwo(40);
    const Bytes packed = MakePackedDib(recipe);
    EXPECT_EQ(Colours(ReadPackedDib(packed.data(), packed.size())), (std::vector<Rgb>{C0, C1, C2, C2, C1, C0}));
    // With a count of 0 the full 256-entry table comes before the pixels.
    recipe.ClrUsed = 0;
    recipe.Table.resize(256 * 4);
    const Bytes full = MakePackedDib(recipe);
    const TDib dib = ReadPackedDib(full.data(), full.size());
    EXPECT_EQ(dib.Palette.size(), 256u);
    EXPECT_EQ(Colours(dib)[0], C0);
}

struct DepthCase {
    const char* name;
    BmpRecipe recipe;
    TPixelFormat format;
    std::vector<Rgb> colours;
};

BmpRecipe Recipe(std::uint16_t bits, std::int32_t width, Bytes table, Bytes pixels, std::uint32_t compression = 0,
             std::vector<std::uint32_t> masks = {}, std::uint32_t headerSize = 40)
{
    BmpRecipe recipe;
    recipe.HeaderSize = headerSize;
    recipe.BitCount = bits;
    recipe.Width = width;
    recipe.Table = std::move(table);
    recipe.ClrUsed = static_cast<std::uint32_t>(recipe.Table.size() / 4);
    recipe.Pixels = std::move(pixels);
    recipe.Compression = compression;
    recipe.Masks = std::move(masks);
    return recipe;
}

TEST(BmpHeaders, EachDepthDecodesToItsColours)
{
    constexpr Rgb White{255, 255, 255}, Black{0, 0, 0};
    const DepthCase cases[] = {
        {"1 bit across a byte", Recipe(1, 9, Quads({0x102030, 0x405060}), {0xA1, 0x80, 0, 0}), TPixelFormat::pf1bit,
         {C1, C0, C1, C0, C0, C0, C0, C1, C1}},
        {"2 bits widen to 4", Recipe(2, 5, Quads({0x102030, 0x405060, 0x708090, 0xFFFFFF}), {0x1B, 0x80, 0, 0}),
         TPixelFormat::pf4bit, {C0, C1, C2, White, C2}},
        {"4 bits", Recipe(4, 3, Quads({0x102030, 0x405060, 0x708090}), {0x20, 0x10, 0, 0}), TPixelFormat::pf4bit,
         {C2, C0, C1}},
        // Default 5-5-5: the top bit is unused; channels scale to the nearest level (3/31 -> 25).
        {"16 bits 5-5-5", Recipe(16, 3, {}, {0xFF, 0x7F, 0x21, 0x84, 0x63, 0x0C, 0, 0}), TPixelFormat::pf24bit,
         {White, {8, 8, 8}, {25, 25, 25}}},
        {"16 bits 5-6-5", Recipe(16, 3, {}, {0x00, 0xF8, 0xE0, 0x07, 0x61, 0x08, 0, 0}, 3, {0xF800, 0x07E0, 0x001F}),
         TPixelFormat::pf24bit, {{255, 0, 0}, {0, 255, 0}, {8, 12, 8}}},
        {"16 bits 2-3-1", Recipe(16, 2, {}, {0x3F, 0x00, 0x12, 0x00}, 3, {0x30, 0x0E, 0x01}), TPixelFormat::pf24bit,
         {White, {85, 36, 0}}},
        {"16 bits 5-6-5 in a V5 header", Recipe(16, 1, {}, {0xE0, 0x07, 0, 0}, 3, {0xF800, 0x07E0, 0x001F, 0}, 124),
         TPixelFormat::pf24bit, {{0, 255, 0}}},
        {"24 bits", Recipe(24, 1, {}, {0x30, 0x20, 0x10, 0}), TPixelFormat::pf24bit, {C0}},
        {"32 bits", Recipe(32, 1, {}, {0x30, 0x20, 0x10, 0x99}), TPixelFormat::pf32bit, {C0}},
        {"32 bits x-b-g-r", Recipe(32, 1, {}, {0x00, 0x30, 0x20, 0x10}, 3, {0xFF000000, 0x00FF0000, 0x0000FF00}),
         TPixelFormat::pf32bit, {C0}},
        {"32 bits 11-11-10", Recipe(32, 2, {}, {0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0}, 3, {0xFFE00000, 0x001FFC00, 0x3FF}),
         TPixelFormat::pf32bit, {White, Black}},
        // Alpha bit fields: four masks after the 40-byte header; the alpha mask is not shown.
        {"32 bits alpha bit fields", Recipe(32, 1, {}, {0x77, 0x10, 0x20, 0x30}, 6, {0x0000FF00, 0x00FF0000, 0xFF000000, 0xFF}),
         TPixelFormat::pf32bit, {C0}},
        // A table in a true-colour file is only a display hint: skipped, not kept.
        {"24 bits with a table", Recipe(24, 1, Quads({0x405060}), {0x30, 0x20, 0x10, 0}), TPixelFormat::pf24bit, {C0}},
    };
    for (const DepthCase& c : cases) {
        const TDib dib = Read(MakeBmp(c.recipe));
        EXPECT_EQ(dib.PixelFormat, c.format) << c.name;
        EXPECT_EQ(Colours(dib), c.colours) << c.name;
        if (dib.PixelFormat == TPixelFormat::pf24bit || dib.PixelFormat == TPixelFormat::pf32bit) {
            EXPECT_TRUE(dib.Palette.empty()) << c.name;
        }
    }
}

TEST(BmpHeaders, ThirtyTwoBitRowsKeepTheirFourthByte)
{
    const TDib dib = Read(MakeBmp(Recipe(32, 1, {}, {0x30, 0x20, 0x10, 0x99})));
    EXPECT_EQ(dib.Bits, (std::vector<std::uint8_t>{0x30, 0x20, 0x10, 0x99}));
}

TEST(BmpColourTables, ShortTablesStayShortAndEveryIndexMustNameAnEntry)
{
    // 12 entries of 16: the palette has 12.
    BmpRecipe recipe = Recipe(4, 2, Bytes(12 * 4, 0x40), {0xB0, 0, 0, 0});
    EXPECT_EQ(Read(MakeBmp(recipe)).Palette.size(), 12u);
    // Index 12 names nothing: the file is broken.
    recipe.Pixels = {0xC0, 0, 0, 0};
    EXPECT_EQ(FileEnding(MakeBmp(recipe)), Ending::InvalidBitmap);
    // An index in the unused second pixel of the last byte (beyond the width) doesn't count.
    recipe.Width = 1;
    recipe.Pixels = {0x0F, 0, 0, 0};
    EXPECT_EQ(FileEnding(MakeBmp(recipe)), Ending::Read);
}

TEST(BmpColourTables, CountsBeyondTheDepthKeepTheFirstEntries)
{
    BmpRecipe recipe = Recipe(1, 1, Bytes(300 * 4, 0), {0x80, 0, 0, 0});
    recipe.Table[4] = 0x55;  // entry 1, blue
    const TDib dib = Read(MakeBmp(recipe));
    ASSERT_EQ(dib.Palette.size(), 2u);
    EXPECT_EQ(dib.Palette[1].rgbBlue, 0x55);
}

TEST(BmpColourTables, PixelOffsetPlacesThePixels)
{
    // A gap between the table and the pixels is skipped.
    BmpRecipe gap = ThreeByTwo(40);
    gap.Table.resize(gap.Table.size() + 20, 0xEE);
    gap.OffBits = 14 + 40 + 32;
    EXPECT_EQ(Colours(Read(MakeBmp(gap))), (std::vector<Rgb>{C0, C1, C2, C2, C1, C0}));

    // Pixels that begin inside an implied table cut it there (OS/2 files with short tables).
    BmpRecipe core = ThreeByTwo(12);
    EXPECT_EQ(Read(MakeBmp(core)).Palette.size(), 3u);

    // Pixels that begin inside the header are impossible.
    BmpRecipe inside = ThreeByTwo(40);
    for (const std::uint32_t offBits : {0u, 14u, 53u}) {
        inside.OffBits = offBits;
        EXPECT_EQ(FileEnding(MakeBmp(inside)), Ending::InvalidBitmap) << offBits;
    }
}

TEST(BmpColourTables, AnExplicitTableMustBePresent)
{
    BmpRecipe recipe = ThreeByTwo(40);
    recipe.OffBits = 14 + 40 + 12;
    for (const std::uint32_t count : {1000u, 0x12345678u, 0xFFFFFFFFu}) {
        recipe.ClrUsed = count;
        EXPECT_EQ(FileEnding(MakeBmp(recipe)), Ending::ReadError) << count;
        EXPECT_EQ(PackedEnding(MakePackedDib(recipe)), Ending::ReadError) << count;
    }
}

struct Rejection {
    const char* name;
    BmpRecipe recipe;
};

BmpRecipe With(BmpRecipe recipe, const std::function<void(BmpRecipe&)>& change)
{
    change(recipe);
    return recipe;
}

TEST(BmpHeaders, RefusesWhatThePlatformCannotPlace)
{
    const BmpRecipe base = ThreeByTwo(40);
    const BmpRecipe rgb16 = Recipe(16, 1, {}, {0, 0, 0, 0}, 3, {0xF800, 0x07E0, 0x001F});
    const Rejection cases[] = {
        {"unknown header size 20", With(base, [](BmpRecipe& s) { s.HeaderSize = 20; })},
        {"unknown header size 66", With(base, [](BmpRecipe& s) { s.HeaderSize = 66; })},
        {"header size 0", With(base, [](BmpRecipe& s) { s.HeaderSize = 0; })},
        {"two planes", With(base, [](BmpRecipe& s) { s.Planes = 2; })},
        {"no planes", With(base, [](BmpRecipe& s) { s.Planes = 0; })},
        {"0 bits", With(base, [](BmpRecipe& s) { s.BitCount = 0; })},
        {"3 bits", With(base, [](BmpRecipe& s) { s.BitCount = 3; })},
        {"64 bits", With(base, [](BmpRecipe& s) { s.BitCount = 64; })},
        {"30000 bits", With(base, [](BmpRecipe& s) { s.BitCount = 30000; })},
        {"JPEG", With(base, [](BmpRecipe& s) { s.Compression = 4; })},
        {"PNG", With(base, [](BmpRecipe& s) { s.Compression = 5; })},
        {"CMYK", With(base, [](BmpRecipe& s) { s.Compression = 11; })},
        {"RLE8 of 4 bits", With(base, [](BmpRecipe& s) { s.BitCount = 4; s.Compression = 1; s.SizeImage = 8; })},
        {"RLE4 of 8 bits", With(base, [](BmpRecipe& s) { s.Compression = 2; s.SizeImage = 8; })},
        {"RLE without a size", With(base, [](BmpRecipe& s) { s.Compression = 1; })},
        {"RLE top-down", With(base, [](BmpRecipe& s) { s.Compression = 1; s.SizeImage = 8; s.Height = -2; })},
        {"bit fields of 8 bits", With(base, [](BmpRecipe& s) { s.Compression = 3; s.Masks = {0xE0, 0x1C, 0x03}; })},
        {"bit fields of 24 bits", With(rgb16, [](BmpRecipe& s) { s.BitCount = 24; })},
        {"OS/2 Huffman", With(base, [](BmpRecipe& s) { s.HeaderSize = 64; s.BitCount = 1; s.Compression = 3; })},
        {"OS/2 RLE24", With(base, [](BmpRecipe& s) { s.HeaderSize = 64; s.BitCount = 24; s.Compression = 4; })},
        {"core header of 16 bits", With(base, [](BmpRecipe& s) { s.HeaderSize = 12; s.BitCount = 16; s.Table.clear(); })},
        {"no blue channel", With(rgb16, [](BmpRecipe& s) { s.Masks = {0xFF00, 0x00FF, 0}; })},
        {"overlapping channels", With(rgb16, [](BmpRecipe& s) { s.Masks = {0xF800, 0x0FE0, 0x001F}; })},
        {"channel with a gap", With(rgb16, [](BmpRecipe& s) { s.Masks = {0xF800, 0x07E0, 0x0015}; })},
        {"channel beyond 16 bits", With(rgb16, [](BmpRecipe& s) { s.Masks = {0xF8000, 0x07E0, 0x001F}; })},
        {"width 0", With(base, [](BmpRecipe& s) { s.Width = 0; })},
        {"negative width", With(base, [](BmpRecipe& s) { s.Width = -3; })},
        {"width over the limit", With(base, [](BmpRecipe& s) { s.Width = MaxPictureDimension + 1; })},
        {"height 0", With(base, [](BmpRecipe& s) { s.Height = 0; })},
        {"height over the limit", With(base, [](BmpRecipe& s) { s.Height = -(MaxPictureDimension + 1); })},
        {"most negative height", With(base, [](BmpRecipe& s) { s.Height = INT_MIN; })},
        {"index table cut to nothing", With(base, [](BmpRecipe& s) { s.ClrUsed = 0; s.OffBits = 14 + 40; })},
    };
    for (const Rejection& c : cases) {
        EXPECT_EQ(FileEnding(MakeBmp(c.recipe)), Ending::InvalidBitmap) << c.name;
        if (!c.recipe.OffBits) {
            EXPECT_EQ(PackedEnding(MakePackedDib(c.recipe)), Ending::InvalidBitmap) << c.name;
        }
    }
}

TEST(BmpHeaders, RefusesDataThatIsNoBitmap)
{
    Bytes notBm = MakeBmp(ThreeByTwo(40));
    notBm[0] = 'B';
    notBm[1] = 'A';  // an OS/2 bitmap array
    for (const Bytes& bytes : {Bytes{}, Bytes{'B', 'M'}, Bytes(13, 0), notBm})
        EXPECT_EQ(FileEnding(bytes), Ending::InvalidBitmap) << bytes.size();
    EXPECT_EQ(PackedEnding(Bytes{}), Ending::InvalidBitmap);
    EXPECT_EQ(PackedEnding(Bytes{40, 0, 0}), Ending::InvalidBitmap);
}

}  // namespace
