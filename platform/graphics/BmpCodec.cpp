// The BMP reader: file header, info header, colour table, pixels, in the order they are stored.
#include "platform/graphics/BmpCodec.h"

#include <optional>
#include <vector>

#include "platform/core/Exceptions.h"
#include "platform/graphics/BmpLayout.h"
#include "platform/graphics/BmpPixels.h"
#include "platform/graphics/BmpRle.h"
#include "platform/graphics/BmpSource.h"
#include "platform/graphics/StreamBytes.h"

namespace {

using namespace bmp;

[[noreturn]] void Invalid() { throw EInvalidGraphic(Messages::InvalidBitmap); }

struct FileHeader {
    std::uint32_t Size = 0;     // bfSize: often wrong (OS/2 writers put the header size there)
    std::uint32_t OffBits = 0;  // where the pixels begin
};

FileHeader ReadFileHeader(BmpSource& source)
{
    std::uint8_t raw[FileHeaderBytes];
    source.ReadHeader(raw, sizeof raw);
    if (raw[0] != 'B' || raw[1] != 'M')
        Invalid();
    return {LoadU32(raw + 2), LoadU32(raw + 10)};
}

std::vector<TRGBQuad> ReadPalette(BmpSource& source, const BmpLayout& layout)
{
    const std::size_t entryBytes = layout.TableEntryBytes;
    std::vector<std::uint8_t> raw(std::size_t{layout.PaletteEntries} * entryBytes);
    source.ReadData(raw.data(), raw.size());
    std::vector<TRGBQuad> palette(layout.PaletteEntries);
    for (std::size_t i = 0; i < palette.size(); ++i) {
        const std::uint8_t* entry = raw.data() + i * entryBytes;
        palette[i] = TRGBQuad{entry[0], entry[1], entry[2], 0};
    }
    return palette;
}

void ReadRows(BmpSource& source, const BmpLayout& layout, TDib& dib)
{
    const auto rows = static_cast<std::size_t>(layout.Height);
    const std::size_t stride = layout.FileStride;
    auto fileRowOf = [&](std::size_t storeRow) { return layout.TopDown ? storeRow : rows - 1 - storeRow; };
    const std::uint8_t* block = source.View(static_cast<std::size_t>(layout.PixelBytes));

    if (RowsCopyDirectly(layout)) {
        if (block) {
            // Appended in store order straight from the bytes: one copy of each row, no zero fill.
            dib.Bits.reserve(layout.StoreBytes);
            for (std::size_t y = 0; y < rows; ++y) {
                const std::uint8_t* row = block + fileRowOf(y) * stride;
                dib.Bits.insert(dib.Bits.end(), row, row + stride);
            }
            return;
        }
        dib.Bits.resize(layout.StoreBytes);
        for (std::size_t fileRow = 0; fileRow < rows; ++fileRow)
            source.ReadData(dib.Row(static_cast<std::int32_t>(fileRowOf(fileRow))), stride);
        return;
    }

    dib.Bits.resize(layout.StoreBytes);
    const RowConverter convert(layout);
    std::vector<std::uint8_t> scratch(block ? 0 : stride);
    for (std::size_t fileRow = 0; fileRow < rows; ++fileRow) {
        const std::uint8_t* row = block ? block + fileRow * stride : scratch.data();
        if (!block)
            source.ReadData(scratch.data(), stride);
        convert(row, dib.Row(static_cast<std::int32_t>(fileRowOf(fileRow))));
    }
}

void ReadRle(BmpSource& source, const BmpLayout& layout, TDib& dib)
{
    const auto size = static_cast<std::size_t>(layout.PixelBytes);
    std::vector<std::uint8_t> scratch;
    const std::uint8_t* data = source.View(size);
    if (!data) {
        scratch.resize(size);
        source.ReadData(scratch.data(), size);
        data = scratch.data();
    }
    dib.Bits.resize(layout.StoreBytes);
    DecodeRle(data, size, layout.Coding == PixelCoding::Rle4, dib);
}

// Reads from the info header on. pixelOffset: where the file header puts the pixels, counted from
// the info header.
TDib ReadDib(BmpSource& source, std::optional<std::int64_t> pixelOffset, std::size_t maxStoreBytes = MaxPixelStoreBytes)
{
    const std::uint64_t dibStart = source.Consumed();
    const InfoHeader header = ReadInfoHeader(source);
    const std::uint64_t available = source.Consumed() - dibStart + source.Remaining();
    const BmpLayout layout = PlaceImage(header, pixelOffset, available, maxStoreBytes);

    TDib dib;
    dib.Width = layout.Width;
    dib.Height = layout.Height;
    dib.PixelFormat = layout.Format;
    dib.Stride = layout.StoreStride;
    if (layout.PaletteEntries > 0)
        dib.Palette = ReadPalette(source, layout);
    source.Skip(std::uint64_t{layout.TableEntries - layout.PaletteEntries} * layout.TableEntryBytes + layout.GapBytes);

    if (layout.Coding == PixelCoding::Rle4 || layout.Coding == PixelCoding::Rle8)
        ReadRle(source, layout, dib);
    else
        ReadRows(source, layout, dib);
    // An index past the colour table names no colour: such a file is broken, not merely unusual.
    if (!IndicesWithinPalette(dib))
        Invalid();
    return dib;
}

TDib ReadFileImage(BmpSource& source, FileHeader& fileHeader)
{
    fileHeader = ReadFileHeader(source);
    return ReadDib(source, std::int64_t{fileHeader.OffBits} - static_cast<std::int64_t>(FileHeaderBytes));
}

// Where a stream image ends: after the pixels, or at bfSize when that lies further on within the
// stream (a colour profile may follow the pixels). A bfSize short of the pixels is ignored.
std::uint64_t ImageEnd(const FileHeader& fileHeader, std::uint64_t pixelsEnd, std::uint64_t streamBytes)
{
    if (fileHeader.Size > pixelsEnd && fileHeader.Size <= streamBytes)
        return fileHeader.Size;
    return pixelsEnd;
}

}  // namespace

TDib ReadBmpFile(const std::uint8_t* data, std::size_t size)
{
    MemorySource source(data, size);
    FileHeader fileHeader;
    return ReadFileImage(source, fileHeader);
}

TDib ReadPackedDib(const std::uint8_t* data, std::size_t size)
{
    return ReadPackedDib(data, size, MaxPixelStoreBytes);
}

TDib ReadPackedDib(const std::uint8_t* data, std::size_t size, std::size_t maxStoreBytes)
{
    MemorySource source(data, size);
    return ReadDib(source, std::nullopt, maxStoreBytes);
}

TDib ReadBmpStream(TStream& stream)
{
    const std::int64_t start = stream.Position();
    const std::uint8_t* memory = nullptr;
    if (const auto* memoryStream = dynamic_cast<const TMemoryStream*>(&stream))
        memory = memoryStream->Memory();
    else if (const auto* bytesStream = dynamic_cast<const TBytesStream*>(&stream))
        memory = bytesStream->Memory();

    FileHeader fileHeader;
    TDib dib;
    std::uint64_t pixelsEnd = 0;
    std::uint64_t streamBytes = 0;
    if (memory) {
        // Read in place: no copy of the whole image first.
        const std::int64_t size = stream.Size();
        const std::size_t left = start < size ? static_cast<std::size_t>(size - start) : 0;
        MemorySource source(memory + (left > 0 ? start : 0), left);
        dib = ReadFileImage(source, fileHeader);
        pixelsEnd = source.Consumed();
        streamBytes = left;
    } else {
        StreamSource source(stream);
        dib = ReadFileImage(source, fileHeader);
        pixelsEnd = source.Consumed();
        streamBytes = pixelsEnd + source.Remaining();
    }
    stream.SetPosition(start + static_cast<std::int64_t>(ImageEnd(fileHeader, pixelsEnd, streamBytes)));
    return dib;
}
