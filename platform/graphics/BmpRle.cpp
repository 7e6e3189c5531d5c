#include "platform/graphics/BmpRle.h"

#include <cstring>

#include "platform/core/Exceptions.h"

namespace bmp {
namespace {

[[noreturn]] void Invalid() { throw EInvalidGraphic(Messages::InvalidBitmap); }

void SetNibble(std::uint8_t* row, std::int64_t x, unsigned value)
{
    std::uint8_t& byte = row[x / 2];
    byte = (x % 2 == 0) ? static_cast<std::uint8_t>((byte & 0x0F) | (value << 4))
                        : static_cast<std::uint8_t>((byte & 0xF0) | value);
}

class RleDecoder {
public:
    RleDecoder(const std::uint8_t* data, std::size_t size, bool fourBit, TDib& dib)
        : data_(data), size_(size), fourBit_(fourBit), dib_(dib)
    {
    }

    void Run()
    {
        for (;;) {
            if (position_ == size_) {
                if (!Complete())
                    Invalid();
                return;
            }
            const std::uint8_t count = Next();
            const std::uint8_t value = Next();
            if (count > 0) {
                EncodedRun(count, value);
                continue;
            }
            switch (value) {
            case 0: x_ = 0; ++y_; break;  // end of line
            case 1: return;                // end of bitmap
            case 2:                        // delta: move right and up
                x_ += Next();
                y_ += Next();
                break;
            default: AbsoluteRun(value); break;
            }
        }
    }

private:
    std::uint8_t Next()
    {
        if (position_ == size_)
            Invalid();
        return data_[position_++];
    }

    // Without an end-of-bitmap code the data must have described every row.
    bool Complete() const { return y_ >= dib_.Height || (y_ == dib_.Height - 1 && x_ >= dib_.Width); }

    // The row that count pixels from the current position go into; they must fit in it.
    std::uint8_t* TargetRow(unsigned count)
    {
        if (y_ >= dib_.Height || x_ + count > dib_.Width)
            Invalid();
        return dib_.Row(static_cast<std::int32_t>(dib_.Height - 1 - y_));
    }

    void EncodedRun(unsigned count, std::uint8_t value)
    {
        std::uint8_t* row = TargetRow(count);
        if (fourBit_) {
            // The two nibbles alternate, the high one first.
            for (unsigned i = 0; i < count; ++i)
                SetNibble(row, x_ + i, (i % 2 == 0) ? value >> 4 : value & 0x0F);
        } else {
            std::memset(row + x_, value, count);
        }
        x_ += count;
    }

    void AbsoluteRun(unsigned count)
    {
        const std::size_t bytes = fourBit_ ? (count + 1) / 2 : count;
        const std::size_t padded = bytes + bytes % 2;  // runs end on a 16-bit boundary
        if (size_ - position_ < padded)
            Invalid();
        std::uint8_t* row = TargetRow(count);
        const std::uint8_t* run = data_ + position_;
        if (fourBit_) {
            for (unsigned i = 0; i < count; ++i)
                SetNibble(row, x_ + i, (i % 2 == 0) ? run[i / 2] >> 4 : run[i / 2] & 0x0F);
        } else {
            std::memcpy(row + x_, run, count);
        }
        position_ += padded;
        x_ += count;
    }

    const std::uint8_t* data_;
    std::size_t size_;
    bool fourBit_;
    TDib& dib_;
    std::size_t position_ = 0;
    // Position in stored order: y counts rows from the bottom. Delta codes can push both far past
    // the picture; only a pixel written there is an error.
    std::int64_t x_ = 0;
    std::int64_t y_ = 0;
};

}  // namespace

void DecodeRle(const std::uint8_t* data, std::size_t size, bool fourBit, TDib& dib)
{
    RleDecoder(data, size, fourBit, dib).Run();
}

}  // namespace bmp
