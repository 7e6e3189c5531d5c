// libFuzzer target for the BMP reader: each input as a BMP file and as a packed DIB. Run with file
// names instead of a corpus folder, the program replays those files once each.
#include <cstdint>
#include <cstdlib>
#include <utility>

#include "platform/core/Exceptions.h"
#include "platform/graphics/BmpCodec.h"
#include "platform/graphics/BmpLayout.h"

// A few RLE bytes may rightly claim a 2 GB picture; such inputs only time memset and trip the
// fuzzer's memory limit, so pictures over 64 M pixels are left to the unit tests.
static bool Modest(const std::uint8_t* data, std::size_t size, std::size_t skip)
{
    try {
        bmp::MemorySource source(data, size);
        source.Skip(skip);
        const bmp::InfoHeader header = bmp::ReadInfoHeader(source);
        return std::llabs(header.Width) * std::llabs(header.Height) <= (64ll << 20);
    } catch (const Exception&) {
        return true;  // the reader refuses it at once
    }
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using Reader = TDib (*)(const std::uint8_t*, std::size_t);
    const std::pair<Reader, std::size_t> readers[] = {{ReadBmpFile, 14}, {ReadPackedDib, 0}};
    for (const auto& [read, skip] : readers) {
        if (!Modest(data, size, skip))
            continue;
        try {
            read(data, size);
        } catch (const EInvalidGraphic&) {
        } catch (const EReadError&) {
        }
    }
    return 0;
}
