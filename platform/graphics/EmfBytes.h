#pragma once
// Bounded reads of one metafile record: a field past the record's end raises RecordTooShort, which
// the players catch to skip that record alone.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

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

}  // namespace metafile
