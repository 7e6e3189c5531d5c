// The BMP writer: a 40-byte info header, the colour table of an indexed store, rows bottom-up.
#include <algorithm>
#include <cstring>
#include <vector>

#include "platform/core/Exceptions.h"
#include "platform/graphics/BmpCodec.h"
#include "platform/graphics/DibPixels.h"

namespace {

constexpr std::uint32_t FileHeaderBytes = 14;
constexpr std::uint32_t InfoHeaderBytes = 40;
constexpr std::uint32_t BiRgb = 0, BiBitFields = 3;

void Put16(std::uint8_t* p, std::uint32_t v)
{
    p[0] = static_cast<std::uint8_t>(v);
    p[1] = static_cast<std::uint8_t>(v >> 8);
}

void Put32(std::uint8_t* p, std::uint32_t v)
{
    Put16(p, v);
    Put16(p + 2, v >> 16);
}

// Everything before the rows, laid out once so that the file header can give its sizes.
struct DibHead {
    std::vector<std::uint8_t> Bytes;  // info header, masks, colour table
    std::uint32_t ImageBytes = 0;     // rows
};

// Colour-table entries to write: the palette, and black entries up to the highest index used when
// the palette is shorter, so that the file shows what the store shows (black for such indices).
std::vector<TRGBQuad> TableFor(const TDib& dib, int bits)
{
    std::vector<TRGBQuad> table(dib.Palette.begin(), dib.Palette.end());
    const std::size_t full = std::size_t{1} << bits;
    if (table.size() >= full) {
        table.resize(full);
        return table;
    }
    std::size_t used = 0;
    for (std::int32_t y = 0; y < dib.Height; ++y) {
        const std::uint8_t* row = dib.Row(y);
        for (std::size_t x = 0; x < static_cast<std::size_t>(dib.Width); ++x)
            used = std::max<std::size_t>(used, PackedIndex(row, x, bits) + 1);
    }
    if (table.size() < used)
        table.resize(used);
    return table;
}

DibHead MakeHead(const TDib& dib)
{
    // Only a store the reader or the bitmap made can be written; anything else is a broken store.
    if (!IsWellFormed(dib))
        throw EInvalidGraphic(Messages::InvalidBitmap);
    const int bits = BitsPerPixel(dib.PixelFormat);
    const bool indexed = bits <= 8;
    const bool fields = dib.PixelFormat == TPixelFormat::pf16bit;  // 5-6-5 needs masks; 5-5-5 is the default
    const std::vector<TRGBQuad> table = indexed ? TableFor(dib, bits) : std::vector<TRGBQuad>{};

    DibHead head;
    head.ImageBytes = static_cast<std::uint32_t>(dib.Stride * static_cast<std::size_t>(dib.Height));
    head.Bytes.assign(InfoHeaderBytes + (fields ? 12 : 0) + 4 * table.size(), 0);
    std::uint8_t* p = head.Bytes.data();
    Put32(p, InfoHeaderBytes);
    Put32(p + 4, static_cast<std::uint32_t>(dib.Width));
    Put32(p + 8, static_cast<std::uint32_t>(dib.Height));  // positive: rows bottom-up
    Put16(p + 12, 1);
    Put16(p + 14, static_cast<std::uint32_t>(bits));
    Put32(p + 16, fields ? BiBitFields : BiRgb);
    Put32(p + 20, head.ImageBytes);
    // A full table is announced by a count of 0, as the platform writes it.
    Put32(p + 32, table.size() < (std::size_t{1} << bits) ? static_cast<std::uint32_t>(table.size()) : 0);
    p += InfoHeaderBytes;
    if (fields) {
        Put32(p, 0xF800);
        Put32(p + 4, 0x07E0);
        Put32(p + 8, 0x001F);
        p += 12;
    }
    for (const TRGBQuad& entry : table) {
        p[0] = entry.rgbBlue;
        p[1] = entry.rgbGreen;
        p[2] = entry.rgbRed;
        p += 4;
    }
    return head;
}

void WriteHeadAndRows(const TDib& dib, const DibHead& head, TStream& stream)
{
    stream.WriteBuffer(head.Bytes.data(), static_cast<std::int64_t>(head.Bytes.size()));
    for (std::int32_t y = dib.Height - 1; y >= 0; --y)
        stream.WriteBuffer(dib.Row(y), static_cast<std::int64_t>(dib.Stride));
}

}  // namespace

// An empty store writes nothing, as an empty bitmap of the platform saves no bytes.
void WriteBmpFile(const TDib& dib, TStream& stream)
{
    if (dib.Empty())
        return;
    const DibHead head = MakeHead(dib);
    // The store is at most MaxPixelStoreBytes (2^31) and the table 1 KB: the sizes fit 32 bits.
    const std::uint32_t offBits = FileHeaderBytes + static_cast<std::uint32_t>(head.Bytes.size());
    std::uint8_t fileHeader[FileHeaderBytes] = {'B', 'M'};
    Put32(fileHeader + 2, offBits + head.ImageBytes);
    Put32(fileHeader + 10, offBits);
    stream.WriteBuffer(fileHeader, sizeof fileHeader);
    WriteHeadAndRows(dib, head, stream);
}

void WritePackedDib(const TDib& dib, TStream& stream)
{
    if (dib.Empty())
        return;
    WriteHeadAndRows(dib, MakeHead(dib), stream);
}
