#pragma once
// Private to the BMP reader: the bytes of one BMP image, read front to back from memory or from a
// stream. Header bytes that are missing make the data "not a bitmap"; colour-table and pixel bytes
// that are missing mean the data was cut short, the platform's read error.
#include <cstddef>
#include <cstdint>

#include "platform/core/Streams.h"

namespace bmp {

class BmpSource {
public:
    virtual ~BmpSource() = default;

    // Raises EInvalidGraphic when fewer than count bytes are left.
    void ReadHeader(void* buffer, std::size_t count);
    // Raises EReadError when fewer than count bytes are left.
    void ReadData(void* buffer, std::size_t count);
    // Moves count bytes on; raises EReadError when fewer are left.
    void Skip(std::uint64_t count);

    // Bytes left from the current position.
    virtual std::uint64_t Remaining() = 0;
    // Bytes consumed since the source began.
    virtual std::uint64_t Consumed() = 0;
    // The next count bytes in place when the source lies in memory (and moves past them), or null
    // when the bytes must be copied out with ReadData. count must not exceed Remaining().
    virtual const std::uint8_t* View(std::size_t count) = 0;

protected:
    virtual std::size_t Read(void* buffer, std::size_t count) = 0;
    virtual void Advance(std::uint64_t count) = 0;  // count <= Remaining()
};

class MemorySource final : public BmpSource {
public:
    MemorySource(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    std::uint64_t Remaining() override { return size_ - position_; }
    std::uint64_t Consumed() override { return position_; }
    const std::uint8_t* View(std::size_t count) override;

protected:
    std::size_t Read(void* buffer, std::size_t count) override;
    void Advance(std::uint64_t count) override { position_ += static_cast<std::size_t>(count); }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t position_ = 0;
};

// A stream read from its current position; what lies before that position is not part of the image.
class StreamSource final : public BmpSource {
public:
    explicit StreamSource(TStream& stream);
    std::uint64_t Remaining() override;
    std::uint64_t Consumed() override;
    const std::uint8_t* View(std::size_t) override { return nullptr; }

protected:
    std::size_t Read(void* buffer, std::size_t count) override;
    void Advance(std::uint64_t count) override;

private:
    TStream& stream_;
    std::int64_t start_;
    std::int64_t end_;
};

}  // namespace bmp
