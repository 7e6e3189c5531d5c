#include "tests/bmp/BmpTestSupport.h"

#include <spng.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <iterator>
#include <memory>
#include <stdexcept>

#include "platform/core/Exceptions.h"
#include "platform/graphics/BmpCodec.h"

namespace bmptest {

std::string SuiteDir() { return QUORVEL_TESTDATA_DIR "/bmpsuite"; }

Bytes ReadBytes(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    if (!file)
        throw std::runtime_error("cannot open " + path);
    return Bytes(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

RgbaImage DecodePng(const std::string& path)
{
    const Bytes png = ReadBytes(path);
    std::unique_ptr<spng_ctx, decltype(&spng_ctx_free)> ctx(spng_ctx_new(0), spng_ctx_free);
    spng_set_png_buffer(ctx.get(), png.data(), png.size());
    spng_ihdr ihdr{};
    std::size_t bytes = 0;
    if (spng_get_ihdr(ctx.get(), &ihdr) != 0 || spng_decoded_image_size(ctx.get(), SPNG_FMT_RGBA16, &bytes) != 0)
        throw std::runtime_error("bad PNG " + path);
    RgbaImage image;
    image.Width = ihdr.width;
    image.Height = ihdr.height;
    image.Samples.resize(bytes / 2);
    if (spng_decode_image(ctx.get(), image.Samples.data(), bytes, SPNG_FMT_RGBA16, SPNG_DECODE_TRNS) != 0)
        throw std::runtime_error("bad PNG " + path);
    return image;
}

unsigned DibIndex(const TDib& dib, std::int32_t x, std::int32_t y)
{
    const int bits = BitsPerPixel(dib.PixelFormat);
    const std::size_t bit = static_cast<std::size_t>(x) * static_cast<std::size_t>(bits);
    return (dib.Row(y)[bit / 8] >> (8 - bits - static_cast<int>(bit % 8))) & ((1u << bits) - 1);
}

std::optional<std::array<std::uint8_t, 3>> DibRgb(const TDib& dib, std::int32_t x, std::int32_t y)
{
    const int bits = BitsPerPixel(dib.PixelFormat);
    if (bits <= 8) {
        const unsigned index = DibIndex(dib, x, y);
        if (index >= dib.Palette.size())
            return std::nullopt;
        const TRGBQuad& q = dib.Palette[index];
        return std::array<std::uint8_t, 3>{q.rgbRed, q.rgbGreen, q.rgbBlue};
    }
    const std::uint8_t* p = dib.Row(y) + static_cast<std::size_t>(x) * static_cast<std::size_t>(bits / 8);
    return std::array<std::uint8_t, 3>{p[2], p[1], p[0]};
}

std::ostream& operator<<(std::ostream& out, Ending ending)
{
    const char* names[] = {"Read", "InvalidBitmap", "ReadError", "Other"};
    return out << names[static_cast<int>(ending)];
}

Ending EndingOf(const std::function<void()>& read)
{
    try {
        read();
        return Ending::Read;
    } catch (const EInvalidGraphic& e) {
        return e.Message == Messages::InvalidBitmap ? Ending::InvalidBitmap : Ending::Other;
    } catch (const EReadError& e) {
        return e.Message == Messages::ReadError ? Ending::ReadError : Ending::Other;
    } catch (...) {
        return Ending::Other;
    }
}

Ending FileEnding(const Bytes& bytes)
{
    return EndingOf([&] { ReadBmpFile(bytes.data(), bytes.size()); });
}

Ending PackedEnding(const Bytes& bytes)
{
    return EndingOf([&] { ReadPackedDib(bytes.data(), bytes.size()); });
}

std::int64_t OpaqueStream::Read(void* buffer, std::int64_t count)
{
    const std::int64_t size = static_cast<std::int64_t>(bytes_.size());
    const std::int64_t n = std::clamp<std::int64_t>(count, 0, std::max<std::int64_t>(size - position_, 0));
    if (n > 0)
        std::memcpy(buffer, bytes_.data() + position_, static_cast<std::size_t>(n));
    position_ += n;
    bytesRead_ += n;
    return n;
}

std::int64_t OpaqueStream::Seek(std::int64_t offset, TSeekOrigin origin)
{
    const std::int64_t base = origin == TSeekOrigin::soBeginning ? 0
                              : origin == TSeekOrigin::soCurrent ? position_
                                                                 : static_cast<std::int64_t>(bytes_.size());
    position_ = std::max<std::int64_t>(base + offset, 0);
    return position_;
}

Ending StreamEnding(TStream& stream)
{
    return EndingOf([&] { ReadBmpStream(stream); });
}

void Put16(Bytes& out, std::uint32_t v)
{
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}

void Put32(Bytes& out, std::uint32_t v)
{
    Put16(out, v);
    Put16(out, v >> 16);
}

Bytes MakePackedDib(const BmpRecipe& recipe)
{
    Bytes out;
    Put32(out, recipe.HeaderSize);
    if (recipe.HeaderSize == 12) {
        Put16(out, static_cast<std::uint32_t>(recipe.Width));
        Put16(out, static_cast<std::uint32_t>(recipe.Height));
        Put16(out, recipe.Planes);
        Put16(out, recipe.BitCount);
    } else {
        Put32(out, static_cast<std::uint32_t>(recipe.Width));
        Put32(out, static_cast<std::uint32_t>(recipe.Height));
        Put16(out, recipe.Planes);
        Put16(out, recipe.BitCount);
        Put32(out, recipe.Compression);
        Put32(out, recipe.SizeImage);
        Put32(out, 2835);
        Put32(out, 2835);
        Put32(out, recipe.ClrUsed);
        Put32(out, 0);
        for (const std::uint32_t mask : recipe.Masks)
            Put32(out, mask);
        // A header shorter than 40 bytes keeps only its leading fields (masks stay after a 40-byte one).
        if (recipe.HeaderSize < 40)
            out.resize(recipe.HeaderSize);
        else if (out.size() < recipe.HeaderSize)
            out.resize(recipe.HeaderSize, 0);
    }
    out.insert(out.end(), recipe.Table.begin(), recipe.Table.end());
    out.insert(out.end(), recipe.Pixels.begin(), recipe.Pixels.end());
    return out;
}

Bytes MakeBmp(const BmpRecipe& recipe)
{
    const Bytes dib = MakePackedDib(recipe);
    const auto offBits = recipe.OffBits.value_or(
        static_cast<std::uint32_t>(14 + dib.size() - recipe.Pixels.size()));
    Bytes out = {'B', 'M'};
    Put32(out, recipe.FileSize.value_or(static_cast<std::uint32_t>(14 + dib.size())));
    Put32(out, 0);
    Put32(out, offBits);
    out.insert(out.end(), dib.begin(), dib.end());
    return out;
}

Bytes Quads(std::initializer_list<std::uint32_t> colours)
{
    Bytes out;
    for (const std::uint32_t c : colours)
        Put32(out, c & 0xFFFFFF);
    return out;
}

}  // namespace bmptest
