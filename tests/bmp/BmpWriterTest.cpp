// The writer: the fields it writes, and writer -> reader round trips at every depth.
#include <gtest/gtest.h>

#include "platform/core/Exceptions.h"
#include "platform/graphics/BmpCodec.h"
#include "tests/bmp/BmpTestSupport.h"

namespace {

using namespace bmptest;

std::uint32_t U32At(const Bytes& b, std::size_t at)
{
    return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (std::uint32_t{b[at + 3]} << 24);
}

// A store whose bytes are a pattern (padding left zero) and whose indices stay inside its palette.
TDib Patterned(std::int32_t width, std::int32_t height, TPixelFormat format, std::size_t paletteSize)
{
    TDib dib;
    dib.Allocate(width, height, format);
    for (std::size_t i = 0; i < paletteSize; ++i)
        dib.Palette.push_back(TRGBQuad{static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(255 - i),
                                       static_cast<std::uint8_t>(i * 7), 0});
    const int bits = BitsPerPixel(format);
    const std::size_t used = (static_cast<std::size_t>(width) * static_cast<std::size_t>(bits) + 7) / 8;
    for (std::int32_t y = 0; y < height; ++y)
        for (std::size_t i = 0; i < used; ++i)
            dib.Row(y)[i] = static_cast<std::uint8_t>(i * 31 + static_cast<std::size_t>(y) * 17 + 3);
    if (bits <= 8)  // fold indices into the palette
        for (std::int32_t y = 0; y < height; ++y)
            for (std::int32_t x = 0; x < width; ++x) {
                const std::size_t bit = static_cast<std::size_t>(x) * static_cast<std::size_t>(bits);
                const int shift = 8 - bits - static_cast<int>(bit % 8);
                std::uint8_t& byte = dib.Row(y)[bit / 8];
                const unsigned index = ((byte >> shift) & ((1u << bits) - 1)) % paletteSize;
                byte = static_cast<std::uint8_t>((byte & ~(((1u << bits) - 1) << shift)) | (index << shift));
            }
    // Bits of the last byte beyond the width are padding too.
    if (bits < 8 && (static_cast<std::size_t>(width) * static_cast<std::size_t>(bits)) % 8 != 0)
        for (std::int32_t y = 0; y < height; ++y) {
            const int kept = static_cast<int>((static_cast<std::size_t>(width) * static_cast<std::size_t>(bits)) % 8);
            dib.Row(y)[used - 1] &= static_cast<std::uint8_t>(0xFF << (8 - kept));
        }
    return dib;
}

Bytes Written(const TDib& dib)
{
    TMemoryStream stream;
    WriteBmpFile(dib, stream);
    return stream.Bytes();
}

TEST(BmpWriter, RoundTripsEveryStoredDepth)
{
    const struct {
        TPixelFormat format;
        std::size_t paletteSize;
        std::uint32_t clrUsed;  // as written
    } cases[] = {
        {TPixelFormat::pf1bit, 2, 0},   {TPixelFormat::pf1bit, 1, 1},   {TPixelFormat::pf4bit, 16, 0},
        {TPixelFormat::pf4bit, 5, 5},   {TPixelFormat::pf8bit, 256, 0}, {TPixelFormat::pf8bit, 37, 37},
        {TPixelFormat::pf24bit, 0, 0},  {TPixelFormat::pf32bit, 0, 0},
    };
    for (const auto& c : cases)
        for (const std::int32_t width : {1, 5, 13, 32}) {
            const TDib dib = Patterned(width, 3, c.format, c.paletteSize);
            const Bytes file = Written(dib);
            const int bits = BitsPerPixel(c.format);
            const std::size_t tableBytes = bits <= 8 ? 4 * c.paletteSize : 0;
            EXPECT_EQ(file[0], 'B');
            EXPECT_EQ(file[1], 'M');
            EXPECT_EQ(U32At(file, 2), file.size());               // bfSize
            EXPECT_EQ(U32At(file, 10), 14 + 40 + tableBytes);      // bfOffBits
            EXPECT_EQ(U32At(file, 14), 40u);                       // biSize
            EXPECT_EQ(U32At(file, 22), 3u);                        // positive height: bottom-up
            EXPECT_EQ(file[28], bits);
            EXPECT_EQ(U32At(file, 30), 0u);                        // BI_RGB
            EXPECT_EQ(U32At(file, 34), dib.Stride * 3);            // biSizeImage
            EXPECT_EQ(U32At(file, 46), c.clrUsed);
            // The first stored row is the store's bottom row.
            EXPECT_EQ(file[14 + 40 + tableBytes], dib.Row(2)[0]);

            const TDib back = ReadBmpFile(file.data(), file.size());
            EXPECT_EQ(back.PixelFormat, c.format);
            EXPECT_EQ(back.Width, width);
            EXPECT_EQ(back.Palette, dib.Palette);
            EXPECT_EQ(back.Bits, dib.Bits) << bits << " bits, width " << width;
        }
}

TEST(BmpWriter, PackedDibRoundTrips)
{
    const TDib dib = Patterned(7, 4, TPixelFormat::pf4bit, 9);
    TMemoryStream stream;
    WritePackedDib(dib, stream);
    EXPECT_EQ(U32At(stream.Bytes(), 0), 40u);
    const TDib back = ReadPackedDib(stream.Memory(), stream.Bytes().size());
    EXPECT_EQ(back.Palette, dib.Palette);
    EXPECT_EQ(back.Bits, dib.Bits);
}

TEST(BmpWriter, SixteenBitStoresReadBackAsTrueColour)
{
    for (const auto format : {TPixelFormat::pf15bit, TPixelFormat::pf16bit}) {
        TDib dib;
        dib.Allocate(2, 1, format);
        // Pure red, then the lowest level of each channel.
        const std::uint16_t red = format == TPixelFormat::pf15bit ? 0x7C00 : 0xF800;
        const std::uint16_t low = format == TPixelFormat::pf15bit ? 0x0421 : 0x0821;
        dib.Row(0)[0] = static_cast<std::uint8_t>(red);
        dib.Row(0)[1] = static_cast<std::uint8_t>(red >> 8);
        dib.Row(0)[2] = static_cast<std::uint8_t>(low);
        dib.Row(0)[3] = static_cast<std::uint8_t>(low >> 8);
        const Bytes file = Written(dib);
        EXPECT_EQ(U32At(file, 30), format == TPixelFormat::pf16bit ? 3u : 0u);
        const TDib back = ReadBmpFile(file.data(), file.size());
        EXPECT_EQ(back.PixelFormat, TPixelFormat::pf24bit);
        EXPECT_EQ(DibRgb(back, 0, 0), (std::array<std::uint8_t, 3>{255, 0, 0}));
        const std::uint8_t green = format == TPixelFormat::pf15bit ? 8 : 4;  // 1/31 and 1/63 of 255
        EXPECT_EQ(DibRgb(back, 1, 0), (std::array<std::uint8_t, 3>{8, green, 8}));
    }
}

TEST(BmpWriter, IndicesPastAShortPaletteAreWrittenAsBlackEntries)
{
    TDib dib;
    dib.Allocate(3, 1, TPixelFormat::pf8bit);
    dib.Palette = {TRGBQuad{9, 9, 9, 0}, TRGBQuad{8, 8, 8, 0}};
    dib.Row(0)[2] = 5;
    const Bytes file = Written(dib);
    EXPECT_EQ(U32At(file, 46), 6u);
    const TDib back = ReadBmpFile(file.data(), file.size());
    ASSERT_EQ(back.Palette.size(), 6u);
    EXPECT_EQ(back.Palette[5], TRGBQuad{});
    EXPECT_EQ(back.Bits, dib.Bits);
}

TEST(BmpWriter, AnEmptyStoreWritesNothing)
{
    TMemoryStream stream;
    WriteBmpFile(TDib{}, stream);
    WritePackedDib(TDib{}, stream);
    EXPECT_EQ(stream.Size(), 0);
}

TEST(BmpWriter, ABrokenStoreIsRefusedBeforeAnythingIsWritten)
{
    TDib shortBits;
    shortBits.Allocate(4, 4, TPixelFormat::pf24bit);
    shortBits.Bits.resize(shortBits.Bits.size() - 1);
    TDib wrongStride;
    wrongStride.Allocate(4, 4, TPixelFormat::pf24bit);
    wrongStride.Stride = 4;
    for (const TDib* dib : {&shortBits, &wrongStride}) {
        TMemoryStream stream;
        EXPECT_THROW(WriteBmpFile(*dib, stream), EInvalidGraphic);
        EXPECT_EQ(stream.Size(), 0);
    }
}

}  // namespace
