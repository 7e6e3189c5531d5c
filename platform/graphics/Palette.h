#pragma once
// Logical palettes behind handles, as the platform's palette objects: a handle names a live
// palette until DeleteObject; an unknown or deleted handle reads as no palette.
#include <cstdint>
#include <vector>

using HPALETTE = std::uintptr_t;  // 0 = no palette

struct TPaletteEntry {
    std::uint8_t peRed = 0, peGreen = 0, peBlue = 0, peFlags = 0;
    friend bool operator==(const TPaletteEntry&, const TPaletteEntry&) = default;
};

struct TLogPalette {
    std::uint16_t palVersion = 0x300;
    std::vector<TPaletteEntry> palPalEntry;  // palNumEntries = size()
};

HPALETTE CreatePalette(const TLogPalette& palette);
// Frees the palette; false for an unknown handle.
bool DeleteObject(HPALETTE palette);
// The entries of a live palette; empty for 0 or an unknown handle.
std::vector<TPaletteEntry> GetPaletteEntries(HPALETTE palette);
bool IsPalette(HPALETTE palette);
// A new palette with the same entries; 0 when palette is 0 or unknown.
HPALETTE CopyPalette(HPALETTE palette);
// Number of live palettes (tests use it to find leaks).
std::size_t LivePaletteCount();
