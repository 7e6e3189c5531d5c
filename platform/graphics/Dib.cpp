#include "platform/graphics/Dib.h"

#include <cstdint>

#include "platform/core/Exceptions.h"

namespace {

// The class library's text for a store the system cannot provide.
constexpr const char* OutOfResourcesMessage = "システム リソースが不足しています";

}  // namespace

int BitsPerPixel(TPixelFormat format)
{
    switch (format) {
    case TPixelFormat::pf1bit: return 1;
    case TPixelFormat::pf4bit: return 4;
    case TPixelFormat::pf8bit: return 8;
    case TPixelFormat::pf15bit:
    case TPixelFormat::pf16bit: return 16;
    case TPixelFormat::pf24bit: return 24;
    case TPixelFormat::pf32bit: return 32;
    case TPixelFormat::pfDevice:
    case TPixelFormat::pfCustom: break;
    }
    return 0;
}

std::size_t DibStride(std::int32_t width, int bitsPerPixel)
{
    if (width <= 0 || bitsPerPixel <= 0)
        return 0;
    // Both factors are below 2^32, so the product and the rounding fit 64 bits.
    const std::uint64_t bits = static_cast<std::uint64_t>(width) * static_cast<std::uint64_t>(bitsPerPixel);
    const std::uint64_t stride = (bits + 31) / 32 * 4;
    if (stride > SIZE_MAX)
        return 0;
    return static_cast<std::size_t>(stride);
}

bool IsWellFormed(const TDib& dib)
{
    const int bits = BitsPerPixel(dib.PixelFormat);
    if (bits == 0 || dib.Width < 0 || dib.Height < 0 || dib.Width > MaxPictureDimension ||
        dib.Height > MaxPictureDimension)
        return false;
    if (dib.Empty())
        return true;
    const std::size_t stride = DibStride(dib.Width, bits);
    return stride != 0 && dib.Stride == stride && dib.Bits.size() / stride >= static_cast<std::size_t>(dib.Height);
}

void TDib::Allocate(std::int32_t width, std::int32_t height, TPixelFormat format)
{
    const int bits = BitsPerPixel(format);
    if (width < 0 || height < 0 || width > MaxPictureDimension || height > MaxPictureDimension || bits == 0)
        throw EOutOfResources(OutOfResourcesMessage);
    const std::size_t stride = width == 0 ? 0 : DibStride(width, bits);
    // stride < 2^19 and height <= 2^16: the product cannot wrap.
    const std::size_t bytes = stride * static_cast<std::size_t>(height);
    if (bytes > MaxPixelStoreBytes)
        throw EOutOfResources(OutOfResourcesMessage);

    std::vector<std::uint8_t> store(bytes);
    Width = width;
    Height = height;
    PixelFormat = format;
    Stride = stride;
    Bits = std::move(store);
}
