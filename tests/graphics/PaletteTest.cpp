#include <gtest/gtest.h>

#include "platform/graphics/Palette.h"

namespace {

TLogPalette Entries(std::initializer_list<TPaletteEntry> entries)
{
    TLogPalette palette;
    palette.palPalEntry = entries;
    return palette;
}

TEST(PaletteTest, HandlesNameLivePalettesUntilDeleted)
{
    const std::size_t before = LivePaletteCount();
    const HPALETTE a = CreatePalette(Entries({{1, 2, 3, 0}, {4, 5, 6, 0}}));
    const HPALETTE b = CreatePalette(Entries({}));
    EXPECT_NE(a, 0u);
    EXPECT_NE(b, 0u);
    EXPECT_NE(a, b);
    EXPECT_TRUE(IsPalette(a));
    EXPECT_TRUE(IsPalette(b));  // a palette of no entries is still a palette
    EXPECT_EQ(GetPaletteEntries(a), (std::vector<TPaletteEntry>{{1, 2, 3, 0}, {4, 5, 6, 0}}));
    EXPECT_EQ(LivePaletteCount(), before + 2);

    EXPECT_TRUE(DeleteObject(a));
    EXPECT_FALSE(DeleteObject(a));
    EXPECT_FALSE(IsPalette(a));
    EXPECT_TRUE(GetPaletteEntries(a).empty());
    EXPECT_EQ(CopyPalette(a), 0u);
    EXPECT_TRUE(DeleteObject(b));
    EXPECT_EQ(LivePaletteCount(), before);
}

TEST(PaletteTest, HandlesAreNeverReused)
{
    const HPALETTE first = CreatePalette(Entries({{9, 9, 9, 0}}));
    DeleteObject(first);
    const HPALETTE second = CreatePalette(Entries({{7, 7, 7, 0}}));
    EXPECT_NE(first, second);
    EXPECT_FALSE(IsPalette(first));  // a stale handle can't reach the new palette
    DeleteObject(second);
}

TEST(PaletteTest, NoneAndUnknownHandlesReadAsNoPalette)
{
    for (HPALETTE handle : {HPALETTE{0}, HPALETTE{0xDEADBEEF}}) {
        EXPECT_FALSE(IsPalette(handle));
        EXPECT_TRUE(GetPaletteEntries(handle).empty());
        EXPECT_EQ(CopyPalette(handle), 0u);
        EXPECT_FALSE(DeleteObject(handle));
    }
}

TEST(PaletteTest, CopyIsIndependent)
{
    const HPALETTE original = CreatePalette(Entries({{10, 20, 30, 0}}));
    const HPALETTE copy = CopyPalette(original);
    ASSERT_NE(copy, 0u);
    EXPECT_NE(copy, original);
    DeleteObject(original);
    EXPECT_EQ(GetPaletteEntries(copy), (std::vector<TPaletteEntry>{{10, 20, 30, 0}}));
    DeleteObject(copy);
}

}  // namespace
