#pragma once
// Private to the BMP reader: the info header of a BMP image and where its colour table and pixels
// lie, every field checked before anything is allocated or read.
#include <cstddef>
#include <cstdint>
#include <optional>

#include "platform/graphics/BmpSource.h"
#include "platform/graphics/Dib.h"

namespace bmp {

inline constexpr std::size_t FileHeaderBytes = 14;

enum class PixelCoding { Rgb, Rle8, Rle4, BitFields };

struct ChannelMasks {
    std::uint32_t Red = 0, Green = 0, Blue = 0;
    friend bool operator==(const ChannelMasks&, const ChannelMasks&) = default;
};

// What the info header states, read as the platform reads each header version.
struct InfoHeader {
    std::uint32_t HeaderBytes = 0;  // the header itself
    std::uint32_t MaskBytes = 0;    // channel masks stored after it (BI_BITFIELDS with short headers)
    bool Core = false;              // BITMAPCOREHEADER: 16-bit sizes, 3-byte colour-table entries
    std::int64_t Width = 0;
    std::int64_t Height = 0;        // negative: rows stored top-down
    int BitCount = 0;
    PixelCoding Coding = PixelCoding::Rgb;
    ChannelMasks Masks;             // for 16 and 32 bits: the stated masks or the defaults
    std::uint32_t SizeImage = 0;
    std::uint32_t ClrUsed = 0;
};

// Reads the info header and any masks that follow it; raises EInvalidGraphic for a header this
// reader does not know or whose fields contradict each other.
InfoHeader ReadInfoHeader(BmpSource& source);

struct BmpLayout {
    std::int32_t Width = 0;
    std::int32_t Height = 0;  // positive
    bool TopDown = false;
    int BitCount = 0;
    PixelCoding Coding = PixelCoding::Rgb;
    ChannelMasks Masks;
    TPixelFormat Format = TPixelFormat::pf24bit;  // of the store the picture goes into
    std::size_t FileStride = 0;    // bytes per row in the file (uncompressed pictures)
    std::size_t StoreStride = 0;
    std::size_t StoreBytes = 0;
    std::uint32_t TableEntries = 0;     // colour-table entries stored before the pixels
    std::uint32_t TableEntryBytes = 4;
    std::uint32_t PaletteEntries = 0;   // the leading ones that become the store's palette
    std::uint64_t GapBytes = 0;         // unused bytes between the colour table and the pixels
    std::uint64_t PixelOffset = 0;      // from the start of the info header
    std::uint64_t PixelBytes = 0;       // pixel bytes the reader consumes
};

// Places the colour table and the pixels after the header. pixelOffset is where a file header
// puts the pixels, counted from the start of the info header; without one they follow the colour
// table. available is the number of bytes from the start of the info header to the end of the data.
// Raises EInvalidGraphic for impossible sizes and offsets or a store over maxStoreBytes, EReadError
// when declared bytes are missing.
BmpLayout PlaceImage(const InfoHeader& header, std::optional<std::int64_t> pixelOffset, std::uint64_t available,
                     std::size_t maxStoreBytes);

}  // namespace bmp
