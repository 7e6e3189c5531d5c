#include "platform/graphics/IconBmpLayout.h"

#include "platform/graphics/IconImage.h"
#include "platform/graphics/StreamBytes.h"

namespace {

constexpr std::size_t InfoHeaderBytes = 40;
constexpr std::uint32_t BiRgb = 0;

// Bytes per row of `bits`-bit pixels padded to 32 bits; width is at most MaxIconDimension.
std::size_t RowBytes(std::int32_t width, int bits)
{
    return (static_cast<std::size_t>(width) * static_cast<std::size_t>(bits) + 31) / 32 * 4;
}

}  // namespace

bool ReadIconBmpLayout(const std::uint8_t* data, std::size_t size, TIconBmpLayout& layout)
{
    if (size < InfoHeaderBytes)
        return false;
    const std::uint32_t headerBytes = LoadU32(data);
    const auto width = static_cast<std::int32_t>(LoadU32(data + 4));
    const auto doubleHeight = static_cast<std::int32_t>(LoadU32(data + 8));
    const int bits = LoadU16(data + 14);
    const std::uint32_t compression = LoadU32(data + 16);
    const std::uint32_t coloursUsed = LoadU32(data + 32);
    // Bottom-up rows only, and a height that holds the mask rows too.
    if (headerBytes < InfoHeaderBytes || headerBytes > size || compression != BiRgb)
        return false;
    if (width <= 0 || width > MaxIconDimension || doubleHeight < 2 || doubleHeight / 2 > MaxIconDimension)
        return false;
    if (bits != 1 && bits != 4 && bits != 8 && bits != 24 && bits != 32)
        return false;

    layout.Width = width;
    layout.Height = doubleHeight / 2;
    layout.BitsPerPixel = bits;
    layout.HeaderBytes = headerBytes;
    layout.ColourCount = 0;
    if (bits <= 8) {
        const std::size_t fullTable = std::size_t{1} << bits;
        if (coloursUsed > fullTable)
            return false;
        layout.ColourCount = coloursUsed == 0 ? fullTable : coloursUsed;
    }
    // Every size below is at most a few hundred MiB (sides capped), so size_t sums can't wrap.
    layout.ColourOffset = layout.HeaderBytes + 4 * layout.ColourCount;
    layout.ColourStride = RowBytes(width, bits);
    layout.MaskOffset = layout.ColourOffset + layout.ColourStride * static_cast<std::size_t>(layout.Height);
    layout.MaskStride = RowBytes(width, 1);
    if (layout.MaskOffset > size)
        return false;
    layout.HasMask = layout.MaskStride * static_cast<std::size_t>(layout.Height) <= size - layout.MaskOffset;
    return layout.HasMask || bits == 32;
}
