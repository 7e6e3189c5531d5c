#include "platform/core/Streams.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <limits>
#include <new>
#include <stdexcept>

#include "platform/core/Exceptions.h"
#include "platform/core/SysUtils.h"

namespace {

// Memory streams never grow beyond this (1 TiB, more than any machine this runs on has), so an
// absurd size from a bad file or a wild position fails cleanly instead of asking the allocator.
constexpr std::int64_t MaxMemoryStreamSize = std::int64_t{1} << 40;

// Resizes bytes to size; false when the size is refused or the memory can't be had.
bool TryResize(std::vector<std::uint8_t>& bytes, std::int64_t size)
{
    if (size < 0 || size > MaxMemoryStreamSize)
        return false;
    try {
        bytes.resize(static_cast<std::size_t>(size));
    } catch (const std::bad_alloc&) {
        return false;
    } catch (const std::length_error&) {
        return false;
    }
    return true;
}

// position + offset, kept within 0..INT64_MAX instead of overflowing.
std::int64_t MovedPosition(std::int64_t position, std::int64_t offset)
{
    std::int64_t moved = 0;
    if (__builtin_add_overflow(position, offset, &moved))
        return offset > 0 ? std::numeric_limits<std::int64_t>::max() : 0;
    return std::max<std::int64_t>(moved, 0);
}

std::int64_t SeekInRange(std::int64_t position, std::int64_t size, std::int64_t offset,
                         TSeekOrigin origin)
{
    switch (origin) {
    case TSeekOrigin::soBeginning: return std::max<std::int64_t>(offset, 0);
    case TSeekOrigin::soCurrent: return MovedPosition(position, offset);
    case TSeekOrigin::soEnd: return MovedPosition(size, offset);
    }
    return position;
}

// Copies up to count bytes of data[0..size) from position into buffer and advances position.
std::int64_t ReadFromMemory(const std::uint8_t* data, std::int64_t size, std::int64_t& position, void* buffer,
                            std::int64_t count)
{
    const std::int64_t available = std::max<std::int64_t>(size - position, 0);
    const std::int64_t n = std::clamp<std::int64_t>(count, 0, available);
    if (n > 0)
        std::memcpy(buffer, data + position, static_cast<std::size_t>(n));
    position += n;
    return n;
}

// Repeats a partial transfer (read or write of a file descriptor) until count bytes have moved,
// the end is reached or it fails; returns the bytes moved.
template <class Transfer>
std::int64_t TransferFully(std::int64_t count, Transfer transfer)
{
    std::int64_t done = 0;
    while (done < count) {
        const ssize_t n = transfer(done, static_cast<std::size_t>(count - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        done += n;
    }
    return done;
}

}  // namespace

void TStream::ReadBuffer(void* buffer, std::int64_t count)
{
    if (count < 0 || (count != 0 && Read(buffer, count) != count))
        throw EReadError(Messages::ReadError);
}

void TStream::WriteBuffer(const void* buffer, std::int64_t count)
{
    if (count < 0 || (count != 0 && Write(buffer, count) != count))
        throw EWriteError(Messages::WriteError);
}

std::int64_t TStream::CopyFrom(TStream& source, std::int64_t count)
{
    if (count == 0) {
        source.SetPosition(0);
        count = source.Size();
    }
    if (count < 0)  // asked for, or the size of a source that can't tell it
        throw EReadError(Messages::ReadError);
    std::vector<std::uint8_t> chunk(static_cast<std::size_t>(std::min<std::int64_t>(count, 1 << 20)));
    std::int64_t left = count;
    while (left > 0) {
        const std::int64_t n = std::min<std::int64_t>(left, static_cast<std::int64_t>(chunk.size()));
        source.ReadBuffer(chunk.data(), n);
        WriteBuffer(chunk.data(), n);
        left -= n;
    }
    return count;
}

std::int64_t TStream::Size()
{
    const std::int64_t here = Seek(0, TSeekOrigin::soCurrent);
    const std::int64_t end = Seek(0, TSeekOrigin::soEnd);
    Seek(here, TSeekOrigin::soBeginning);
    return end;
}

void TStream::SetSize(std::int64_t) {}

// ---- TMemoryStream

std::int64_t TMemoryStream::Read(void* buffer, std::int64_t count)
{
    return ReadFromMemory(bytes_.data(), Size(), position_, buffer, count);
}

// A write that can't grow the memory transfers nothing, so WriteBuffer reports it.
std::int64_t TMemoryStream::Write(const void* buffer, std::int64_t count)
{
    std::int64_t end = 0;
    if (count <= 0 || __builtin_add_overflow(position_, count, &end))
        return 0;
    if (end > Size() && !TryResize(bytes_, end))
        return 0;
    std::memcpy(bytes_.data() + position_, buffer, static_cast<std::size_t>(count));
    position_ = end;
    return count;
}

std::int64_t TMemoryStream::Seek(std::int64_t offset, TSeekOrigin origin)
{
    position_ = SeekInRange(position_, Size(), offset, origin);
    return position_;
}

void TMemoryStream::SetSize(std::int64_t size)
{
    if (!TryResize(bytes_, std::max<std::int64_t>(size, 0)))
        throw EStreamError(Messages::MemoryStreamError);
    position_ = std::min(position_, Size());
}

void TMemoryStream::Clear()
{
    bytes_.clear();
    position_ = 0;
}

void TMemoryStream::LoadFromStream(TStream& source)
{
    source.SetPosition(0);
    const std::int64_t size = source.Size();
    if (size < 0)  // a source that can't tell its size
        throw EReadError(Messages::ReadError);
    std::vector<std::uint8_t> bytes;
    if (!TryResize(bytes, size))
        throw EStreamError(Messages::MemoryStreamError);
    source.ReadBuffer(bytes.data(), size);
    bytes_ = std::move(bytes);
    position_ = 0;
}

void TMemoryStream::LoadFromFile(const std::string& fileName)
{
    TFileStream file(fileName, fmOpenRead | fmShareDenyWrite);
    LoadFromStream(file);
}

void TMemoryStream::SaveToStream(TStream& target)
{
    target.WriteBuffer(bytes_.data(), Size());
}

void TMemoryStream::SaveToFile(const std::string& fileName)
{
    TFileStream file(fileName, fmCreate);
    SaveToStream(file);
}

// ---- TBytesStream

std::int64_t TBytesStream::Read(void* buffer, std::int64_t count)
{
    return ReadFromMemory(data_, size_, position_, buffer, count);
}

std::int64_t TBytesStream::Seek(std::int64_t offset, TSeekOrigin origin)
{
    position_ = SeekInRange(position_, size_, offset, origin);
    return position_;
}

// ---- TFileStream

TFileStream::TFileStream(const std::string& fileName, std::uint16_t mode) : fileName_(fileName)
{
    if (mode == fmCreate) {
        fd_ = ::open(fileName.c_str(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
        if (fd_ < 0)
            throw EFCreateError(Format(Messages::FCreateError, {fileName}));
        return;
    }
    int flags = O_CLOEXEC;
    switch (mode & 0x0003) {
    case fmOpenWrite: flags |= O_WRONLY; break;
    case fmOpenReadWrite: flags |= O_RDWR; break;
    default: flags |= O_RDONLY; break;
    }
    // Only regular files open. O_NONBLOCK keeps a named pipe from blocking the open until a
    // writer appears; it changes nothing for a regular file.
    fd_ = ::open(fileName.c_str(), flags | O_NONBLOCK | O_NOCTTY);
    struct stat info {};
    if (fd_ >= 0 && (::fstat(fd_, &info) != 0 || !S_ISREG(info.st_mode))) {
        ::close(fd_);
        fd_ = -1;
    }
    if (fd_ < 0)
        throw EFOpenError(Format(Messages::FOpenError, {fileName}));
    // Share modes map onto advisory locks: deny-write and exclusive take a shared or exclusive
    // lock that cooperating writers respect. A lock that can't be had is not an error on a
    // system where most writers never ask for one.
    const int share = mode & 0x00F0;
    if (share == fmShareExclusive)
        ::flock(fd_, LOCK_EX | LOCK_NB);
    else if (share == fmShareDenyWrite)
        ::flock(fd_, LOCK_SH | LOCK_NB);
}

TFileStream::~TFileStream()
{
    if (fd_ >= 0)
        ::close(fd_);
}

std::int64_t TFileStream::Read(void* buffer, std::int64_t count)
{
    auto* out = static_cast<std::uint8_t*>(buffer);
    return TransferFully(count, [&](std::int64_t done, std::size_t left) { return ::read(fd_, out + done, left); });
}

std::int64_t TFileStream::Write(const void* buffer, std::int64_t count)
{
    const auto* in = static_cast<const std::uint8_t*>(buffer);
    return TransferFully(count, [&](std::int64_t done, std::size_t left) { return ::write(fd_, in + done, left); });
}

std::int64_t TFileStream::Seek(std::int64_t offset, TSeekOrigin origin)
{
    const int whence = origin == TSeekOrigin::soBeginning ? SEEK_SET
                       : origin == TSeekOrigin::soCurrent ? SEEK_CUR
                                                          : SEEK_END;
    return ::lseek(fd_, offset, whence);
}

void TFileStream::SetSize(std::int64_t size)
{
    if (::ftruncate(fd_, size) != 0)
        throw EWriteError(Messages::WriteError);
}
