#pragma once
// Byte streams of the class library: a position, a size, Read/Write that may transfer less than
// asked, and ReadBuffer/WriteBuffer that raise EReadError/EWriteError on a short transfer.
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

enum class TSeekOrigin { soBeginning, soCurrent, soEnd };

class TStream {
public:
    virtual ~TStream() = default;

    // Transfers up to count bytes and returns how many were transferred.
    virtual std::int64_t Read(void* buffer, std::int64_t count) = 0;
    virtual std::int64_t Write(const void* buffer, std::int64_t count) = 0;
    virtual std::int64_t Seek(std::int64_t offset, TSeekOrigin origin) = 0;

    void ReadBuffer(void* buffer, std::int64_t count);
    void WriteBuffer(const void* buffer, std::int64_t count);
    // Copies count bytes from source (the rest of source from its start when count is 0).
    std::int64_t CopyFrom(TStream& source, std::int64_t count);

    std::int64_t Position() { return Seek(0, TSeekOrigin::soCurrent); }
    void SetPosition(std::int64_t position) { Seek(position, TSeekOrigin::soBeginning); }
    virtual std::int64_t Size();
    virtual void SetSize(std::int64_t size);
};

class TMemoryStream : public TStream {
public:
    TMemoryStream() = default;
    explicit TMemoryStream(std::vector<std::uint8_t> bytes) : bytes_(std::move(bytes)) {}

    std::int64_t Read(void* buffer, std::int64_t count) override;
    std::int64_t Write(const void* buffer, std::int64_t count) override;
    std::int64_t Seek(std::int64_t offset, TSeekOrigin origin) override;
    std::int64_t Size() override { return static_cast<std::int64_t>(bytes_.size()); }
    void SetSize(std::int64_t size) override;

    const std::uint8_t* Memory() const { return bytes_.data(); }
    std::uint8_t* Memory() { return bytes_.data(); }
    const std::vector<std::uint8_t>& Bytes() const { return bytes_; }
    void Clear();
    void LoadFromStream(TStream& source);
    void LoadFromFile(const std::string& fileName);
    void SaveToStream(TStream& target);
    void SaveToFile(const std::string& fileName);

private:
    std::vector<std::uint8_t> bytes_;
    std::int64_t position_ = 0;
};

// A view of bytes owned elsewhere, read-only: decoding from memory without copying.
class TBytesStream : public TStream {
public:
    TBytesStream(const void* data, std::size_t size)
        : data_(static_cast<const std::uint8_t*>(data)), size_(static_cast<std::int64_t>(size)) {}
    std::int64_t Read(void* buffer, std::int64_t count) override;
    std::int64_t Write(const void*, std::int64_t) override { return 0; }
    std::int64_t Seek(std::int64_t offset, TSeekOrigin origin) override;
    std::int64_t Size() override { return size_; }
    const std::uint8_t* Memory() const { return data_; }

private:
    const std::uint8_t* data_;
    std::int64_t size_;
    std::int64_t position_ = 0;
};

// Open modes of TFileStream: one access mode, optionally or-ed with one share mode, or fmCreate.
enum : std::uint16_t {
    fmOpenRead = 0x0000,
    fmOpenWrite = 0x0001,
    fmOpenReadWrite = 0x0002,
    fmShareCompat = 0x0000,
    fmShareExclusive = 0x0010,
    fmShareDenyWrite = 0x0020,
    fmShareDenyRead = 0x0030,
    fmShareDenyNone = 0x0040,
    fmCreate = 0xFFFF,
};

class TFileStream : public TStream {
public:
    // Raises EFOpenError ("ファイル %s は開けません") or, for fmCreate, EFCreateError
    // ("ファイル %s を作成できません"). fmCreate creates the file or truncates an existing one.
    TFileStream(const std::string& fileName, std::uint16_t mode);
    ~TFileStream() override;
    TFileStream(const TFileStream&) = delete;
    TFileStream& operator=(const TFileStream&) = delete;

    std::int64_t Read(void* buffer, std::int64_t count) override;
    std::int64_t Write(const void* buffer, std::int64_t count) override;
    std::int64_t Seek(std::int64_t offset, TSeekOrigin origin) override;
    void SetSize(std::int64_t size) override;
    const std::string& FileName() const { return fileName_; }

private:
    std::string fileName_;
    int fd_ = -1;
};
