// BMP images inside icon files: an info header whose height counts the colour rows and the AND-mask
// rows together, a colour table for 1, 4 and 8 bits, the colour rows and then the mask rows, both
// bottom-up.
#include <algorithm>

#include "platform/graphics/Dib.h"
#include "platform/graphics/DibPixels.h"
#include "platform/graphics/IconBmpLayout.h"
#include "platform/graphics/IconImage.h"
#include "platform/graphics/StreamBytes.h"

namespace {

TRGBQuad ReadQuad(const std::uint8_t* p) { return {p[0], p[1], p[2], p[3]}; }

// The colour of pixel x of a colour row; indices past the table read as black.
TIconPixel ColourAt(const TIconBmpLayout& layout, const std::vector<TRGBQuad>& table, const std::uint8_t* row,
                    std::int32_t x)
{
    TIconPixel pixel;
    pixel.Alpha = 255;
    const auto ux = static_cast<std::size_t>(x);
    if (layout.BitsPerPixel >= 24) {
        const std::uint8_t* p = row + ux * static_cast<std::size_t>(layout.BitsPerPixel / 8);
        pixel.Blue = p[0];
        pixel.Green = p[1];
        pixel.Red = p[2];
        if (layout.BitsPerPixel == 32)
            pixel.Alpha = p[3];
        return pixel;
    }
    const std::size_t index = PackedIndex(row, ux, layout.BitsPerPixel);
    if (index < table.size()) {
        pixel.Blue = table[index].rgbBlue;
        pixel.Green = table[index].rgbGreen;
        pixel.Red = table[index].rgbRed;
    }
    return pixel;
}

}  // namespace

TIconImage DecodeIconBmp(const std::uint8_t* data, std::size_t size)
{
    TIconBmpLayout layout;
    if (!ReadIconBmpLayout(data, size, layout))
        ThrowInvalidIcon();

    std::vector<TRGBQuad> table;
    for (std::size_t i = 0; i < layout.ColourCount; ++i)
        table.push_back(ReadQuad(data + layout.HeaderBytes + 4 * i));

    TIconImage image;
    image.Width = layout.Width;
    image.Height = layout.Height;
    image.Pixels.resize(static_cast<std::size_t>(layout.Width) * static_cast<std::size_t>(layout.Height));
    bool anyAlpha = false;
    for (std::int32_t y = 0; y < layout.Height; ++y) {
        const std::uint8_t* row = data + layout.ColourOffset + static_cast<std::size_t>(layout.Height - 1 - y) * layout.ColourStride;
        for (std::int32_t x = 0; x < layout.Width; ++x) {
            TIconPixel pixel = ColourAt(layout, table, row, x);
            anyAlpha = anyAlpha || pixel.Alpha != 0;
            image.Pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(layout.Width) + static_cast<std::size_t>(x)] = pixel;
        }
    }
    // A 32-bit image with alpha is transparent by its alpha alone; the mask serves images without.
    const bool alphaDecides = layout.BitsPerPixel == 32 && anyAlpha;
    if (alphaDecides)
        return image;
    // Where the mask is set the image is transparent. The platform would invert the canvas where
    // the colour there isn't black, but icon editors leave stray colour under the mask, and what
    // the user means is a see-through pixel.
    for (std::int32_t y = 0; y < layout.Height; ++y) {
        const std::uint8_t* mask = layout.HasMask
            ? data + layout.MaskOffset + static_cast<std::size_t>(layout.Height - 1 - y) * layout.MaskStride
            : nullptr;
        for (std::int32_t x = 0; x < layout.Width; ++x) {
            TIconPixel& pixel = image.Pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(layout.Width) + static_cast<std::size_t>(x)];
            pixel.Alpha = mask != nullptr && PackedIndex(mask, static_cast<std::size_t>(x), 1) != 0 ? 0 : 255;
        }
    }
    return image;
}
