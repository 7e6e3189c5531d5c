#include "platform/graphics/BmpSource.h"

#include <algorithm>
#include <cstring>

#include "platform/core/Exceptions.h"

namespace bmp {

void BmpSource::ReadHeader(void* buffer, std::size_t count)
{
    if (Remaining() < count || Read(buffer, count) != count)
        throw EInvalidGraphic(Messages::InvalidBitmap);
}

void BmpSource::ReadData(void* buffer, std::size_t count)
{
    if (Remaining() < count || Read(buffer, count) != count)
        throw EReadError(Messages::ReadError);
}

void BmpSource::Skip(std::uint64_t count)
{
    if (Remaining() < count)
        throw EReadError(Messages::ReadError);
    Advance(count);
}

// ---- MemorySource

const std::uint8_t* MemorySource::View(std::size_t count)
{
    const std::uint8_t* here = data_ + position_;
    position_ += count;
    return here;
}

std::size_t MemorySource::Read(void* buffer, std::size_t count)
{
    const std::size_t n = std::min(count, size_ - position_);
    if (n > 0)
        std::memcpy(buffer, data_ + position_, n);
    position_ += n;
    return n;
}

// ---- StreamSource

StreamSource::StreamSource(TStream& stream)
    : stream_(stream), start_(stream.Position()), end_(std::max(stream.Size(), start_))
{
}

std::uint64_t StreamSource::Remaining()
{
    return static_cast<std::uint64_t>(std::max<std::int64_t>(end_ - stream_.Position(), 0));
}

std::uint64_t StreamSource::Consumed()
{
    return static_cast<std::uint64_t>(stream_.Position() - start_);
}

std::size_t StreamSource::Read(void* buffer, std::size_t count)
{
    const std::int64_t n = stream_.Read(buffer, static_cast<std::int64_t>(count));
    return n > 0 ? static_cast<std::size_t>(n) : 0;
}

void StreamSource::Advance(std::uint64_t count)
{
    stream_.Seek(static_cast<std::int64_t>(count), TSeekOrigin::soCurrent);
}

}  // namespace bmp
