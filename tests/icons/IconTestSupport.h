#pragma once
// Icon files built in memory, PNG images encoded with libspng, and pictures compared pixel by
// pixel.
#include <spng.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "platform/core/Streams.h"
#include "platform/graphics/Bitmap.h"
#include "tests/icons/MetafileBuilder.h"

namespace icon_test {

using metafile_test::Put16;
using metafile_test::Put32;

// 0xAARRGGBB, as the pixels of a 32-bit image are stored.
using Argb = std::uint32_t;

struct Entry {
    std::vector<std::uint8_t> Image;
    int DirectoryWidth = 0, DirectoryHeight = 0, DirectoryBits = 0;
};

// The icon directory and its images, one after the other.
inline std::vector<std::uint8_t> IconFile(const std::vector<Entry>& entries)
{
    std::vector<std::uint8_t> out;
    Put16(out, 0);
    Put16(out, 1);
    Put16(out, static_cast<std::uint32_t>(entries.size()));
    std::uint32_t offset = static_cast<std::uint32_t>(6 + 16 * entries.size());
    for (const Entry& e : entries) {
        out.push_back(static_cast<std::uint8_t>(e.DirectoryWidth));
        out.push_back(static_cast<std::uint8_t>(e.DirectoryHeight));
        out.push_back(0);
        out.push_back(0);
        Put16(out, 1);
        Put16(out, static_cast<std::uint32_t>(e.DirectoryBits));
        Put32(out, static_cast<std::uint32_t>(e.Image.size()));
        Put32(out, offset);
        offset += static_cast<std::uint32_t>(e.Image.size());
    }
    for (const Entry& e : entries)
        out.insert(out.end(), e.Image.begin(), e.Image.end());
    return out;
}

// A BMP icon image. values: top row first, palette indices for 1/4/8 bits, Argb for 24/32 bits;
// mask: top row first, true = transparent (or inverting).
inline std::vector<std::uint8_t> BmpImage(int width, int height, int bits, const std::vector<Argb>& palette,
                                          const std::vector<std::uint32_t>& values, const std::vector<bool>& mask)
{
    std::vector<std::uint8_t> out;
    Put32(out, 40);
    Put32(out, static_cast<std::uint32_t>(width));
    Put32(out, static_cast<std::uint32_t>(2 * height));
    Put16(out, 1);
    Put16(out, static_cast<std::uint32_t>(bits));
    Put32(out, 0);
    Put32(out, 0);
    Put32(out, 0);
    Put32(out, 0);
    Put32(out, static_cast<std::uint32_t>(palette.size()));
    Put32(out, 0);
    for (Argb c : palette)
        Put32(out, c & 0xFFFFFF);
    const std::size_t stride = (static_cast<std::size_t>(width) * bits + 31) / 32 * 4;
    for (int y = height - 1; y >= 0; --y) {
        std::vector<std::uint8_t> row(stride, 0);
        for (int x = 0; x < width; ++x) {
            const std::uint32_t v = values[static_cast<std::size_t>(y * width + x)];
            if (bits >= 24) {
                for (int b = 0; b < bits / 8; ++b)
                    row[static_cast<std::size_t>(x * bits / 8 + b)] = static_cast<std::uint8_t>(v >> (8 * b));
            } else {
                const int bit = x * bits;
                row[static_cast<std::size_t>(bit / 8)] |= static_cast<std::uint8_t>(v << (8 - bits - bit % 8));
            }
        }
        out.insert(out.end(), row.begin(), row.end());
    }
    const std::size_t maskStride = (static_cast<std::size_t>(width) + 31) / 32 * 4;
    for (int y = height - 1; y >= 0; --y) {
        std::vector<std::uint8_t> row(maskStride, 0);
        for (int x = 0; x < width; ++x)
            if (mask[static_cast<std::size_t>(y * width + x)])
                row[static_cast<std::size_t>(x / 8)] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
        out.insert(out.end(), row.begin(), row.end());
    }
    return out;
}

// A solid BMP image of one colour, no transparent pixel.
inline std::vector<std::uint8_t> SolidBmpImage(int width, int height, int bits, Argb colour)
{
    const std::size_t n = static_cast<std::size_t>(width * height);
    if (bits <= 8)
        return BmpImage(width, height, bits, {0xFF000000, colour}, std::vector<std::uint32_t>(n, 1), std::vector<bool>(n, false));
    return BmpImage(width, height, bits, {}, std::vector<std::uint32_t>(n, colour), std::vector<bool>(n, false));
}

// An RGBA PNG (rgba: R, G, B, A bytes, top row first).
inline std::vector<std::uint8_t> PngImage(int width, int height, const std::vector<std::uint8_t>& rgba)
{
    spng_ctx* ctx = spng_ctx_new(SPNG_CTX_ENCODER);
    spng_set_option(ctx, SPNG_ENCODE_TO_BUFFER, 1);
    spng_ihdr ihdr{static_cast<std::uint32_t>(width), static_cast<std::uint32_t>(height), 8, SPNG_COLOR_TYPE_TRUECOLOR_ALPHA, 0, 0, 0};
    spng_set_ihdr(ctx, &ihdr);
    spng_encode_image(ctx, rgba.data(), rgba.size(), SPNG_FMT_PNG, SPNG_ENCODE_FINALIZE);
    std::size_t size = 0;
    int error = 0;
    auto* buffer = static_cast<std::uint8_t*>(spng_get_png_buffer(ctx, &size, &error));
    std::vector<std::uint8_t> png(buffer, buffer + size);
    free(buffer);
    spng_ctx_free(ctx);
    return png;
}

// A PNG file decoded to RGBA.
inline std::vector<std::uint8_t> DecodePngFile(const std::string& path, int& width, int& height)
{
    std::ifstream in(path, std::ios::binary);
    const std::vector<std::uint8_t> file{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    spng_ctx* ctx = spng_ctx_new(0);
    spng_set_png_buffer(ctx, file.data(), file.size());
    spng_ihdr ihdr{};
    spng_get_ihdr(ctx, &ihdr);
    std::size_t size = 0;
    spng_decoded_image_size(ctx, SPNG_FMT_RGBA8, &size);
    std::vector<std::uint8_t> rgba(size);
    spng_decode_image(ctx, rgba.data(), rgba.size(), SPNG_FMT_RGBA8, SPNG_DECODE_TRNS);
    spng_ctx_free(ctx);
    width = static_cast<int>(ihdr.width);
    height = static_cast<int>(ihdr.height);
    return rgba;
}

// Makes bitmap width x height of one colour.
inline TBitmap& Fill(TBitmap& bitmap, int width, int height, TColor colour)
{
    bitmap.SetSize(width, height);
    bitmap.Canvas().Brush.Color = colour;
    bitmap.Canvas().FillRect(Rect(0, 0, width, height));
    return bitmap;
}

template <class Graphic>
void LoadBytes(Graphic& graphic, const std::vector<std::uint8_t>& bytes)
{
    TBytesStream stream(bytes.data(), bytes.size());
    graphic.LoadFromStream(stream);
}

}  // namespace icon_test
