#pragma once
// Helpers of the BMP tests: files and reference PNGs, colours of a store, and a builder for small
// hand-made BMP images.
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "platform/core/Streams.h"
#include "platform/graphics/Dib.h"

namespace bmptest {

using Bytes = std::vector<std::uint8_t>;

std::string SuiteDir();  // the bmpsuite corpus
Bytes ReadBytes(const std::string& path);

// A decoded PNG: RGBA, 16 bits per sample so that wide references keep their precision.
struct RgbaImage {
    std::uint32_t Width = 0, Height = 0;
    std::vector<std::uint16_t> Samples;
    std::array<std::uint16_t, 4> At(std::uint32_t x, std::uint32_t y) const
    {
        const std::uint16_t* p = Samples.data() + 4 * (std::size_t{y} * Width + x);
        return {p[0], p[1], p[2], p[3]};
    }
};
RgbaImage DecodePng(const std::string& path);
// A 16-bit sample rounded to 8 bits.
inline std::uint8_t To8(std::uint16_t v) { return static_cast<std::uint8_t>((std::uint32_t{v} * 255 + 32767) / 65535); }

// Red, green, blue of a pixel of any store (palette looked up; an index past it yields nothing).
std::optional<std::array<std::uint8_t, 3>> DibRgb(const TDib& dib, std::int32_t x, std::int32_t y);
// The store's index at (x, y) for the indexed formats.
unsigned DibIndex(const TDib& dib, std::int32_t x, std::int32_t y);

// How a read ended: success, one of the two clean failures (with their texts checked), or anything
// else (which no input may cause).
enum class Ending { Read, InvalidBitmap, ReadError, Other };
std::ostream& operator<<(std::ostream& out, Ending ending);
Ending EndingOf(const std::function<void()>& read);
Ending FileEnding(const Bytes& bytes);    // ReadBmpFile
Ending PackedEnding(const Bytes& bytes);  // ReadPackedDib

// A stream over bytes that is neither a memory nor a byte stream, so the reader must copy out of it
// as from a file. Counts the bytes handed out.
class OpaqueStream : public TStream {
public:
    explicit OpaqueStream(Bytes bytes) : bytes_(std::move(bytes)) {}
    std::int64_t Read(void* buffer, std::int64_t count) override;
    std::int64_t Write(const void*, std::int64_t) override { return 0; }
    std::int64_t Seek(std::int64_t offset, TSeekOrigin origin) override;
    std::int64_t BytesRead() const { return bytesRead_; }

private:
    Bytes bytes_;
    std::int64_t position_ = 0;
    std::int64_t bytesRead_ = 0;
};
Ending StreamEnding(TStream& stream);  // ReadBmpStream

// Little-endian appenders.
void Put16(Bytes& out, std::uint32_t v);
void Put32(Bytes& out, std::uint32_t v);

// A small BMP image described field by field; whatever is not set is computed from the rest.
struct BmpRecipe {
    std::uint32_t HeaderSize = 40;  // 12 writes a core header
    std::int32_t Width = 1;
    std::int32_t Height = 1;
    std::uint16_t Planes = 1;
    std::uint16_t BitCount = 24;
    std::uint32_t Compression = 0;
    std::uint32_t SizeImage = 0;
    std::uint32_t ClrUsed = 0;
    std::vector<std::uint32_t> Masks;  // at offset 40: inside longer headers, after the 40-byte one
    Bytes Table;                       // colour table bytes as stored
    Bytes Pixels;
    std::optional<std::uint32_t> OffBits;
    std::optional<std::uint32_t> FileSize;
};
Bytes MakePackedDib(const BmpRecipe& recipe);
Bytes MakeBmp(const BmpRecipe& recipe);
// Colour-table bytes of 4-byte entries from 0x00RRGGBB values.
Bytes Quads(std::initializer_list<std::uint32_t> colours);

}  // namespace bmptest
