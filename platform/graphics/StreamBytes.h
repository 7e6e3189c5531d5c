#pragma once
// Reading a whole picture file image from a stream's current position, for the graphics that keep
// their file's bytes (icons, metafiles).
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "platform/core/Streams.h"

// Largest file image such a graphic takes; a longer stream is refused before it fills memory.
inline constexpr std::size_t MaxKeptFileBytes = std::size_t{64} << 20;

// The bytes from the current position to the end; nullopt when there are more than limit.
std::optional<std::vector<std::uint8_t>> ReadRemainingBytes(TStream& stream, std::size_t limit = MaxKeptFileBytes);

// Little-endian fields of a byte image; the caller has checked that they lie inside it.
inline std::uint16_t LoadU16(const std::uint8_t* p) { return static_cast<std::uint16_t>(p[0] | (p[1] << 8)); }
inline std::uint32_t LoadU32(const std::uint8_t* p)
{
    return std::uint32_t{p[0]} | (std::uint32_t{p[1]} << 8) | (std::uint32_t{p[2]} << 16) | (std::uint32_t{p[3]} << 24);
}
