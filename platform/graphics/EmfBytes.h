#pragma once
// Bounded reads of one metafile record: a field past the record's end raises RecordTooShort, which
// the players catch to skip that record alone. Pictures in records are decoded within one budget
// per playback.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <vector>

#include "platform/graphics/BmpCodec.h"
#include "platform/graphics/StreamBytes.h"

namespace metafile {

struct RecordTooShort {};

class RecordView {
public:
    RecordView(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    std::size_t Size() const { return size_; }
    std::uint16_t U16(std::size_t offset) const { return LoadU16(At(offset, 2)); }
    std::int16_t I16(std::size_t offset) const { return static_cast<std::int16_t>(U16(offset)); }
    std::uint32_t U32(std::size_t offset) const { return LoadU32(At(offset, 4)); }
    std::int32_t I32(std::size_t offset) const { return static_cast<std::int32_t>(U32(offset)); }
    float F32(std::size_t offset) const
    {
        const std::uint32_t bits = U32(offset);
        float value;
        std::memcpy(&value, &bits, sizeof value);
        return value;
    }
    // count bytes at offset, all inside the record.
    const std::uint8_t* At(std::size_t offset, std::size_t count) const
    {
        if (offset > size_ || count > size_ - offset)
            throw RecordTooShort{};
        return data_ + offset;
    }
    // A count of items of itemBytes each that must all fit from offset on: checked before anything
    // is allocated for them.
    std::size_t Count(std::size_t count, std::size_t offset, std::size_t itemBytes) const
    {
        if (offset > size_ || count > (size_ - offset) / itemBytes)
            throw RecordTooShort{};
        return count;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
};

// Whether the packed DIB at offset keeps its rows bottom-up: a core header (12 bytes, 16-bit sides)
// always does, the others when their height is positive. StretchDIBits counts the source rows of
// such a picture from its bottom.
inline bool StoredBottomUp(const RecordView& r, std::size_t dibOffset)
{
    return r.U32(dibOffset) == 12 || r.I32(dibOffset + 8) > 0;
}

// The pixel store all the pictures of one playback may take together: four bytes per byte of the
// metafile, and never less than for a metafile of MaxKeptFileBytes. Stored pixels at most double in
// the store (2-bit indices become 4-bit), so every picture a metafile really holds fits; run-length
// data, whose few bytes may claim a store of any size, can't claim one record after record.
inline std::size_t PictureBudgetBytes(std::size_t metafileBytes)
{
    return 4 * std::max(metafileBytes, MaxKeptFileBytes);
}

class PictureBudget {
public:
    explicit PictureBudget(std::size_t metafileBytes) : left_(PictureBudgetBytes(metafileBytes)) {}

    // A packed DIB's picture; EInvalidGraphic when it is broken or needs more than is left.
    std::shared_ptr<const TDib> Decode(const std::uint8_t* packedDib, std::size_t size)
    {
        auto dib = std::make_shared<const TDib>(ReadPackedDib(packedDib, size, left_));
        left_ -= std::min(left_, dib->Bits.size());
        return dib;
    }

private:
    std::size_t left_;
};

}  // namespace metafile
