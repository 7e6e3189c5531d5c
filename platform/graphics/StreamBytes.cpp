#include "platform/graphics/StreamBytes.h"

std::optional<std::vector<std::uint8_t>> ReadRemainingBytes(TStream& stream, std::size_t limit)
{
    std::vector<std::uint8_t> bytes;
    std::uint8_t chunk[65536];
    for (;;) {
        const std::int64_t got = stream.Read(chunk, sizeof chunk);
        if (got <= 0)
            return bytes;
        if (bytes.size() + static_cast<std::size_t>(got) > limit)
            return std::nullopt;
        bytes.insert(bytes.end(), chunk, chunk + got);
    }
}
