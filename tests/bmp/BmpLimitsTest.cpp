// Hostile sizes and offsets, and files cut short anywhere: every read fails cleanly, and no claim
// of a header is believed before the bytes behind it have been counted.
#include <gtest/gtest.h>

#include "platform/graphics/BmpCodec.h"
#include "tests/bmp/AllocationProbe.h"
#include "tests/bmp/BmpTestSupport.h"

namespace {

using namespace bmptest;

constexpr std::size_t SmallAllocation = 64 * 1024;

BmpRecipe Claim(std::int32_t width, std::int32_t height, std::uint16_t bits, std::uint32_t compression = 0,
              std::uint32_t sizeImage = 0)
{
    BmpRecipe recipe;
    recipe.Width = width;
    recipe.Height = height;
    recipe.BitCount = bits;
    recipe.Compression = compression;
    recipe.SizeImage = sizeImage;
    if (bits <= 8)
        recipe.Table = Quads({0, 0xFFFFFF});
    recipe.ClrUsed = bits <= 8 ? 2 : 0;
    recipe.Pixels = Bytes(16, 0);
    return recipe;
}

TEST(BmpLimits, HugeClaimsInTinyFilesFailWithoutALargeAllocation)
{
    const struct {
        const char* name;
        BmpRecipe recipe;
        Ending ending;
    } cases[] = {
        {"100000 x 100000", Claim(100000, 100000, 24), Ending::InvalidBitmap},
        {"60000 x 60000 x 32 bits: over the store limit", Claim(60000, 60000, 32), Ending::InvalidBitmap},
        {"20000 x 20000 x 24 bits: data missing", Claim(20000, 20000, 24), Ending::ReadError},
        {"65536 x 65536 x 1 bit: data missing", Claim(65536, -65536, 1), Ending::ReadError},
        {"RLE claiming 4 GB of data", Claim(65536, 32768, 8, 1, 0xFFFFFFFF), Ending::ReadError},
    };
    for (const auto& c : cases) {
        const Bytes bytes = MakeBmp(c.recipe);
        ASSERT_LE(bytes.size(), 100u);
        {
            AllocationProbe probe;
            EXPECT_EQ(FileEnding(bytes), c.ending) << c.name;
            EXPECT_LT(probe.Largest(), SmallAllocation) << c.name;
        }
        {
            TMemoryStream memory(bytes);
            OpaqueStream opaque(bytes);
            AllocationProbe probe;
            EXPECT_EQ(StreamEnding(memory), c.ending) << c.name;
            EXPECT_EQ(StreamEnding(opaque), c.ending) << c.name;
            EXPECT_LT(probe.Largest(), SmallAllocation) << c.name;
        }
    }
}

TEST(BmpLimits, APackedDibOverTheCallersLimitFailsBeforeItsStoreIsReserved)
{
    // Two bytes of run-length data (end of bitmap) that rightly claim a 16 MiB store.
    BmpRecipe recipe = Claim(4096, 4096, 8, 1, 2);
    recipe.Pixels = {0, 1};
    const Bytes packed = MakePackedDib(recipe);
    const std::size_t store = std::size_t{4096} * 4096;
    {
        AllocationProbe probe;
        EXPECT_EQ(EndingOf([&] { ReadPackedDib(packed.data(), packed.size(), store - 1); }), Ending::InvalidBitmap);
        EXPECT_LT(probe.Largest(), SmallAllocation);
    }
    EXPECT_EQ(ReadPackedDib(packed.data(), packed.size(), store).Bits.size(), store);
}

TEST(BmpLimits, OffsetsThatWouldWrapFailCleanly)
{
    BmpRecipe recipe = Claim(3, 2, 8);
    recipe.Pixels = Bytes(8, 0);
    for (const std::uint32_t offBits : {0xFFFFFFFFu, 0xFFFFFFFCu, 0xFFFFFFF8u, 0x80000000u, 0x10000u}) {
        recipe.OffBits = offBits;  // offBits + 8 wraps to a small number in 32 bits for the first ones
        EXPECT_EQ(FileEnding(MakeBmp(recipe)), Ending::ReadError) << offBits;
    }
    // Colour-table counts whose byte size wraps 32 bits.
    recipe.OffBits.reset();
    for (const std::uint32_t count : {0x40000000u, 0x40000001u, 0xFFFFFFFFu}) {
        recipe.ClrUsed = count;
        EXPECT_EQ(PackedEnding(MakePackedDib(recipe)), Ending::ReadError) << count;
    }
}

// The first bytes of a file, header and masks included, after which only data can be missing.
std::size_t HeaderEnd(const Bytes& file)
{
    const std::size_t headerSize = file[14] | (file[15] << 8);
    const std::uint32_t compression = headerSize >= 20 ? file[30] | (file[31] << 8) : 0;
    const std::size_t masks = headerSize != 40 ? 0 : compression == 3 ? 12 : compression == 6 ? 16 : 0;
    return 14 + headerSize + masks;
}

TEST(BmpLimits, EveryPrefixOfAFileFailsCleanly)
{
    for (const char* name : {"g/pal1.bmp", "g/pal4rle.bmp", "g/pal8os2.bmp", "g/rgb16-565.bmp", "q/pal8os2v2-16.bmp",
                             "g/pal8v5.bmp", "q/rgba32abf.bmp", "q/pal8rlecut.bmp"}) {
        const Bytes file = ReadBytes(SuiteDir() + "/" + name);
        const std::size_t headerEnd = HeaderEnd(file);
        for (std::size_t n = 0; n < file.size(); ++n) {
            const Bytes prefix(file.begin(), file.begin() + static_cast<std::ptrdiff_t>(n));
            const Ending want = n < headerEnd ? Ending::InvalidBitmap : Ending::ReadError;
            ASSERT_EQ(FileEnding(prefix), want) << name << " cut at " << n;
            if (n >= 14) {
                const Bytes packed(prefix.begin() + 14, prefix.end());
                ASSERT_EQ(PackedEnding(packed), want) << name << " packed, cut at " << n;
            }
        }
    }
}

TEST(BmpLimits, EveryPrefixOfAStreamFailsCleanly)
{
    for (const char* name : {"g/pal4rle.bmp", "g/rgb16-565.bmp"}) {
        const Bytes file = ReadBytes(SuiteDir() + "/" + name);
        for (std::size_t n = 0; n < file.size(); ++n) {
            OpaqueStream stream(Bytes(file.begin(), file.begin() + static_cast<std::ptrdiff_t>(n)));
            const Ending ending = StreamEnding(stream);
            ASSERT_TRUE(ending == Ending::InvalidBitmap || ending == Ending::ReadError) << name << " cut at " << n;
        }
    }
}

}  // namespace
