#include "platform/graphics/BmpLayout.h"

#include <algorithm>
#include <array>
#include <bit>

#include "platform/core/Exceptions.h"
#include "platform/graphics/StreamBytes.h"

namespace bmp {
namespace {

// Header sizes: the OS/2 1.x core header; the OS/2 2.x header, full or cut after the bit count;
// the Windows info header and its V2, V3, V4 and V5 extensions.
constexpr std::uint32_t CoreHeaderBytes = 12;
constexpr std::uint32_t Os2ShortHeaderBytes = 16;
constexpr std::uint32_t InfoHeaderBytes = 40;
constexpr std::uint32_t Os2HeaderBytes = 64;
constexpr std::uint32_t LargestHeaderBytes = 124;

constexpr std::uint32_t BiRgb = 0, BiRle8 = 1, BiRle4 = 2, BiBitFields = 3, BiAlphaBitFields = 6;

[[noreturn]] void Invalid() { throw EInvalidGraphic(Messages::InvalidBitmap); }
[[noreturn]] void Short() { throw EReadError(Messages::ReadError); }

bool KnownHeaderSize(std::uint32_t size)
{
    switch (size) {
    case CoreHeaderBytes: case Os2ShortHeaderBytes: case InfoHeaderBytes: case 52: case 56:
    case Os2HeaderBytes: case 108: case LargestHeaderBytes: return true;
    default: return false;
    }
}

bool IsOs2Header(std::uint32_t size) { return size == Os2ShortHeaderBytes || size == Os2HeaderBytes; }

// OS/2 2.x gives compression values 3 and 4 other meanings (Huffman 1D, RLE24): neither is read.
PixelCoding CodingOf(std::uint32_t compression, bool os2, int& maskCount)
{
    maskCount = 0;
    switch (compression) {
    case BiRgb: return PixelCoding::Rgb;
    case BiRle8: return PixelCoding::Rle8;
    case BiRle4: return PixelCoding::Rle4;
    case BiBitFields: maskCount = 3; break;
    case BiAlphaBitFields: maskCount = 4; break;
    default: Invalid();
    }
    if (os2)
        Invalid();
    return PixelCoding::BitFields;
}

bool BitCountFits(int bits, PixelCoding coding, bool core)
{
    switch (coding) {
    case PixelCoding::Rle8: return bits == 8;
    case PixelCoding::Rle4: return bits == 4;
    case PixelCoding::BitFields: return bits == 16 || bits == 32;
    case PixelCoding::Rgb: break;
    }
    if (core)
        return bits == 1 || bits == 4 || bits == 8 || bits == 24;
    return bits == 1 || bits == 2 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
}

// A channel is a non-empty run of adjacent bits inside the pixel; channels don't share bits.
bool MasksUsable(const ChannelMasks& m, int bits)
{
    const std::uint64_t pixelBits = (std::uint64_t{1} << bits) - 1;
    for (const std::uint32_t mask : {m.Red, m.Green, m.Blue}) {
        if (mask == 0 || (mask & ~pixelBits) != 0)
            return false;
        const std::uint32_t run = mask >> std::countr_zero(mask);
        if ((run & (run + 1)) != 0)
            return false;
    }
    return (m.Red & m.Green) == 0 && (m.Red & m.Blue) == 0 && (m.Green & m.Blue) == 0;
}

ChannelMasks DefaultMasks(int bits)
{
    if (bits == 16)
        return {0x7C00, 0x03E0, 0x001F};
    return {0x00FF0000, 0x0000FF00, 0x000000FF};
}

TPixelFormat StoreFormat(int bits)
{
    switch (bits) {
    case 1: return TPixelFormat::pf1bit;
    case 2:  // two-bit indices widen to four bits: the platform has no two-bit store
    case 4: return TPixelFormat::pf4bit;
    case 8: return TPixelFormat::pf8bit;
    case 32: return TPixelFormat::pf32bit;
    default: return TPixelFormat::pf24bit;  // 16 and 24 bits
    }
}

}  // namespace

InfoHeader ReadInfoHeader(BmpSource& source)
{
    std::array<std::uint8_t, LargestHeaderBytes + 16> raw{};
    source.ReadHeader(raw.data(), 4);
    InfoHeader header;
    header.HeaderBytes = LoadU32(raw.data());
    if (!KnownHeaderSize(header.HeaderBytes))
        Invalid();
    source.ReadHeader(raw.data() + 4, header.HeaderBytes - 4);

    int planes = 0;
    std::uint32_t compression = BiRgb;
    if (header.HeaderBytes == CoreHeaderBytes) {
        header.Core = true;
        header.Width = LoadU16(raw.data() + 4);
        header.Height = LoadU16(raw.data() + 6);
        planes = LoadU16(raw.data() + 8);
        header.BitCount = LoadU16(raw.data() + 10);
    } else {
        // Every later header begins like the 40-byte one; fields beyond a short header stay zero.
        header.Width = static_cast<std::int32_t>(LoadU32(raw.data() + 4));
        header.Height = static_cast<std::int32_t>(LoadU32(raw.data() + 8));
        planes = LoadU16(raw.data() + 12);
        header.BitCount = LoadU16(raw.data() + 14);
        compression = LoadU32(raw.data() + 16);
        header.SizeImage = LoadU32(raw.data() + 20);
        header.ClrUsed = LoadU32(raw.data() + 32);
    }
    if (planes != 1)
        Invalid();

    int maskCount = 0;
    header.Coding = CodingOf(compression, IsOs2Header(header.HeaderBytes), maskCount);
    if (!BitCountFits(header.BitCount, header.Coding, header.Core))
        Invalid();

    if (header.Coding == PixelCoding::BitFields) {
        // The masks sit at offset 40: inside the V2 and later headers, after the 40-byte one.
        const std::uint32_t masksEnd = InfoHeaderBytes + 4 * static_cast<std::uint32_t>(maskCount);
        if (masksEnd > header.HeaderBytes) {
            header.MaskBytes = masksEnd - header.HeaderBytes;
            source.ReadHeader(raw.data() + header.HeaderBytes, header.MaskBytes);
        }
        // The alpha mask, if any, is not shown: the store has no alpha.
        header.Masks = {LoadU32(raw.data() + 40), LoadU32(raw.data() + 44), LoadU32(raw.data() + 48)};
        if (!MasksUsable(header.Masks, header.BitCount))
            Invalid();
    } else if (header.BitCount == 16 || header.BitCount == 32) {
        header.Masks = DefaultMasks(header.BitCount);
    }
    return header;
}

BmpLayout PlaceImage(const InfoHeader& header, std::optional<std::int64_t> pixelOffset, std::uint64_t available,
                     std::size_t maxStoreBytes)
{
    BmpLayout layout;
    const std::int64_t rows = header.Height < 0 ? -header.Height : header.Height;
    if (header.Width <= 0 || header.Width > MaxPictureDimension || rows == 0 || rows > MaxPictureDimension)
        Invalid();
    layout.Width = static_cast<std::int32_t>(header.Width);
    layout.Height = static_cast<std::int32_t>(rows);
    layout.TopDown = header.Height < 0;
    layout.BitCount = header.BitCount;
    layout.Coding = header.Coding;
    layout.Masks = header.Masks;
    if (layout.TopDown && (layout.Coding == PixelCoding::Rle4 || layout.Coding == PixelCoding::Rle8))
        Invalid();  // compressed pictures are always stored bottom-up

    // Both strides stay below 2^19 and the row count below 2^17: no product here can wrap.
    layout.Format = StoreFormat(layout.BitCount);
    layout.StoreStride = DibStride(layout.Width, BitsPerPixel(layout.Format));
    layout.FileStride = DibStride(layout.Width, layout.BitCount);
    const std::uint64_t storeBytes = std::uint64_t{layout.StoreStride} * static_cast<std::uint64_t>(rows);
    if (storeBytes > std::min(maxStoreBytes, MaxPixelStoreBytes))
        Invalid();
    layout.StoreBytes = static_cast<std::size_t>(storeBytes);

    // The colour table. An explicit entry count is a declared size: all of it must be there. A table
    // of implied length (OS/2 1.x, or a count of 0) is cut where the pixels begin, since files
    // whose table is shorter than the full 2^bits entries are common.
    const std::uint64_t tableStart = std::uint64_t{header.HeaderBytes} + header.MaskBytes;
    layout.TableEntryBytes = header.Core ? 3 : 4;
    const bool indexed = layout.BitCount <= 8;
    std::uint64_t claimed = header.ClrUsed;
    if (header.Core || claimed == 0)
        claimed = indexed ? std::uint64_t{1} << layout.BitCount : 0;
    else if (tableStart + claimed * layout.TableEntryBytes > available)
        Short();

    std::uint64_t tableEntries = claimed;
    if (pixelOffset) {
        if (*pixelOffset < 0 || static_cast<std::uint64_t>(*pixelOffset) < tableStart)
            Invalid();  // the pixels would overlap the header
        layout.PixelOffset = static_cast<std::uint64_t>(*pixelOffset);
        tableEntries = std::min(claimed, (layout.PixelOffset - tableStart) / layout.TableEntryBytes);
    } else {
        layout.PixelOffset = tableStart + claimed * layout.TableEntryBytes;
    }
    // tableEntries <= claimed <= 2^32 - 1.
    layout.TableEntries = static_cast<std::uint32_t>(tableEntries);
    layout.GapBytes = layout.PixelOffset - tableStart - tableEntries * layout.TableEntryBytes;
    if (indexed) {
        layout.PaletteEntries = static_cast<std::uint32_t>(std::min<std::uint64_t>(tableEntries, 1u << layout.BitCount));
        if (layout.PaletteEntries == 0)
            Invalid();
    }

    if (layout.Coding == PixelCoding::Rle4 || layout.Coding == PixelCoding::Rle8) {
        // Compressed data has no length of its own: the header must state it.
        if (header.SizeImage == 0)
            Invalid();
        layout.PixelBytes = header.SizeImage;
    } else {
        layout.PixelBytes = std::uint64_t{layout.FileStride} * static_cast<std::uint64_t>(rows);
    }
    // PixelOffset < 2^32 + 2^38 and PixelBytes < 2^36: the sum cannot wrap.
    if (layout.PixelOffset + layout.PixelBytes > available)
        Short();
    return layout;
}

}  // namespace bmp
