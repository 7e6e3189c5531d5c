#include "platform/graphics/BmpPixels.h"

#include <bit>

#include "platform/graphics/DibPixels.h"

namespace bmp {

ChannelScale::ChannelScale(std::uint32_t mask)
    : mask_(mask), shift_(mask == 0 ? 0 : std::countr_zero(mask)), top_(0)
{
    const int width = std::popcount(mask);
    top_ = (std::uint64_t{1} << width) - 1;
    if (width <= 16) {
        table_.resize(static_cast<std::size_t>(top_) + 1);
        for (std::uint32_t value = 0; value <= top_; ++value)
            table_[value] = Scale(value);
    }
}

std::uint8_t ChannelScale::Scale(std::uint32_t value) const
{
    if (top_ == 0)
        return 0;
    return static_cast<std::uint8_t>((std::uint64_t{value} * 255 + top_ / 2) / top_);
}

bool RowsCopyDirectly(const BmpLayout& layout)
{
    if (layout.BitCount == 2 || layout.BitCount == 16)
        return false;
    return layout.BitCount != 32 || layout.Masks == ChannelMasks{0x00FF0000, 0x0000FF00, 0x000000FF};
}

RowConverter::RowConverter(const BmpLayout& layout)
    : bits_(layout.BitCount), width_(layout.Width), red_(layout.Masks.Red), green_(layout.Masks.Green),
      blue_(layout.Masks.Blue)
{
}

void RowConverter::operator()(const std::uint8_t* source, std::uint8_t* target) const
{
    const auto width = static_cast<std::size_t>(width_);
    switch (bits_) {
    case 2:
        // Each 2-bit index becomes a nibble: byte b of the source fills target bytes 2b and 2b+1.
        for (std::size_t x = 0; x < width; x += 2) {
            const std::uint8_t byte = source[x / 4];
            const int shift = 6 - 2 * static_cast<int>(x % 4);
            const unsigned first = (byte >> shift) & 3;
            const unsigned second = x + 1 < width ? (byte >> (shift - 2)) & 3 : 0;
            target[x / 2] = static_cast<std::uint8_t>((first << 4) | second);
        }
        break;
    case 16:
        for (std::size_t x = 0; x < width; ++x) {
            const std::uint32_t pixel = source[2 * x] | (std::uint32_t{source[2 * x + 1]} << 8);
            target[3 * x] = blue_(pixel);
            target[3 * x + 1] = green_(pixel);
            target[3 * x + 2] = red_(pixel);
        }
        break;
    default:  // 32 bits with masks of their own
        for (std::size_t x = 0; x < width; ++x) {
            const std::uint8_t* p = source + 4 * x;
            const std::uint32_t pixel = p[0] | (std::uint32_t{p[1]} << 8) | (std::uint32_t{p[2]} << 16) |
                                        (std::uint32_t{p[3]} << 24);
            target[4 * x] = blue_(pixel);
            target[4 * x + 1] = green_(pixel);
            target[4 * x + 2] = red_(pixel);
            target[4 * x + 3] = 0;
        }
        break;
    }
}

bool IndicesWithinPalette(const TDib& dib)
{
    const int bits = BitsPerPixel(dib.PixelFormat);
    const std::size_t entries = dib.Palette.size();
    if (bits == 0 || bits > 8 || entries >= (std::size_t{1} << bits))
        return true;
    const auto width = static_cast<std::size_t>(dib.Width);
    for (std::int32_t y = 0; y < dib.Height; ++y) {
        const std::uint8_t* row = dib.Row(y);
        for (std::size_t x = 0; x < width; ++x)
            if (PackedIndex(row, x, bits) >= entries)
                return false;
    }
    return true;
}

}  // namespace bmp
