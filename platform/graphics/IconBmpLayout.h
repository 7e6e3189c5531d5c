#pragma once
// Where the parts of an icon's BMP image lie, checked against the bytes given before anything is
// read from them.
#include <cstddef>
#include <cstdint>

struct TIconBmpLayout {
    std::int32_t Width = 0;
    std::int32_t Height = 0;  // of the picture: half the header's height
    int BitsPerPixel = 0;     // 1, 4, 8, 24 or 32
    std::size_t HeaderBytes = 0;
    std::size_t ColourCount = 0;  // entries of the colour table, for 1, 4 and 8 bits
    std::size_t ColourOffset = 0;
    std::size_t ColourStride = 0;
    std::size_t MaskOffset = 0;
    std::size_t MaskStride = 0;
    bool HasMask = false;  // a 32-bit image may leave its mask out; the others may not
};

// False for a header the decoder doesn't take or parts that run past size.
bool ReadIconBmpLayout(const std::uint8_t* data, std::size_t size, TIconBmpLayout& layout);
