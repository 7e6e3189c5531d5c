#pragma once
// Private to the BMP reader: turning stored rows into rows of the pixel store, and the checks on
// decoded indices.
#include <cstdint>
#include <vector>

#include "platform/graphics/BmpLayout.h"
#include "platform/graphics/Dib.h"

namespace bmp {

// Scales one bit-field channel to 8 bits, rounding to the nearest level, so that the full value of
// any width is 255 and a 5-bit 3 becomes 25 (3 * 255 / 31 = 24.7).
class ChannelScale {
public:
    explicit ChannelScale(std::uint32_t mask);
    std::uint8_t operator()(std::uint32_t pixel) const
    {
        const std::uint32_t value = (pixel & mask_) >> shift_;
        return table_.empty() ? Scale(value) : table_[value];
    }

private:
    std::uint8_t Scale(std::uint32_t value) const;

    std::uint32_t mask_;
    int shift_;
    std::uint64_t top_;                // largest channel value
    std::vector<std::uint8_t> table_;  // every value's result, for channels up to 16 bits wide
};

// True when stored rows are already rows of the store: same bits per pixel, same channel order.
bool RowsCopyDirectly(const BmpLayout& layout);

// Converts one stored row (2-bit indices, 16-bit pixels or 32-bit bit fields) into a store row.
class RowConverter {
public:
    explicit RowConverter(const BmpLayout& layout);
    void operator()(const std::uint8_t* source, std::uint8_t* target) const;

private:
    int bits_;
    std::int32_t width_;
    ChannelScale red_, green_, blue_;
};

// True when every index of the picture (padding bits excluded) names an entry of its palette.
bool IndicesWithinPalette(const TDib& dib);

}  // namespace bmp
