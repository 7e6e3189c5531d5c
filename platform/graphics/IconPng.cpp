// PNG images inside icon files, decoded by libspng into straight-alpha RGBA.
#include <memory>

#include <spng.h>

#include "platform/graphics/IconImage.h"

namespace {

// Deflate packs at most 1032 bytes into one; a PNG whose rows need more than that from the bytes
// it has is broken, and is refused before its pixels are allocated.
constexpr std::uint64_t MaxDeflateRatio = 1032;
// Memory libspng may keep for chunk data and inflating, beyond the image itself.
constexpr std::size_t MaxPngCacheBytes = std::size_t{64} << 20;

struct TSpngFree {
    void operator()(spng_ctx* context) const { spng_ctx_free(context); }
};

}  // namespace

int PngChannels(std::uint8_t colourType)
{
    switch (colourType) {
    case 0: return 1;  // grey
    case 2: return 3;  // RGB
    case 3: return 1;  // palette
    case 4: return 2;  // grey and alpha
    case 6: return 4;  // RGBA
    default: return 0;
    }
}

TIconImage DecodeIconPng(const std::uint8_t* data, std::size_t size)
{
    std::unique_ptr<spng_ctx, TSpngFree> context(spng_ctx_new(0));
    if (!context)
        ThrowInvalidIcon();
    spng_ctx* png = context.get();
    spng_ihdr header{};
    if (spng_set_png_buffer(png, data, size) != 0 || spng_set_image_limits(png, MaxIconDimension, MaxIconDimension) != 0 ||
        spng_set_chunk_limits(png, size, MaxPngCacheBytes) != 0 || spng_get_ihdr(png, &header) != 0)
        ThrowInvalidIcon();
    const int channels = PngChannels(header.color_type);
    const std::uint64_t rowBits = std::uint64_t{header.width} * header.bit_depth * static_cast<std::uint64_t>(channels);
    const std::uint64_t storedBytes = std::uint64_t{header.height} * ((rowBits + 7) / 8 + 1);
    if (channels == 0 || storedBytes > MaxDeflateRatio * size)
        ThrowInvalidIcon();

    std::size_t decodedBytes = 0;
    if (spng_decoded_image_size(png, SPNG_FMT_RGBA8, &decodedBytes) != 0 ||
        decodedBytes != std::size_t{header.width} * header.height * 4)
        ThrowInvalidIcon();
    std::vector<std::uint8_t> rgba(decodedBytes);
    if (spng_decode_image(png, rgba.data(), rgba.size(), SPNG_FMT_RGBA8, SPNG_DECODE_TRNS) != 0)
        ThrowInvalidIcon();

    TIconImage image;
    image.Width = static_cast<std::int32_t>(header.width);
    image.Height = static_cast<std::int32_t>(header.height);
    image.Pixels.resize(decodedBytes / 4);
    for (std::size_t i = 0; i < image.Pixels.size(); ++i)
        image.Pixels[i] = {rgba[4 * i], rgba[4 * i + 1], rgba[4 * i + 2], rgba[4 * i + 3]};
    return image;
}
