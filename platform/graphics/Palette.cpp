#include "platform/graphics/Palette.h"

#include <map>
#include <mutex>

namespace {

// Live palettes by handle. Handles count up and are never handed out twice, so a stale handle kept
// after DeleteObject can never name a newer palette.
struct PaletteTable {
    std::mutex lock;
    std::map<HPALETTE, std::vector<TPaletteEntry>> live;
    HPALETTE lastHandle = 0;
};

// Function-local so that palettes made during static initialisation find the table ready.
PaletteTable& Table()
{
    static PaletteTable table;
    return table;
}

}  // namespace

HPALETTE CreatePalette(const TLogPalette& palette)
{
    PaletteTable& table = Table();
    const std::lock_guard guard(table.lock);
    const HPALETTE handle = ++table.lastHandle;
    table.live.emplace(handle, palette.palPalEntry);
    return handle;
}

bool DeleteObject(HPALETTE palette)
{
    PaletteTable& table = Table();
    const std::lock_guard guard(table.lock);
    return table.live.erase(palette) != 0;
}

std::vector<TPaletteEntry> GetPaletteEntries(HPALETTE palette)
{
    PaletteTable& table = Table();
    const std::lock_guard guard(table.lock);
    const auto found = table.live.find(palette);
    return found != table.live.end() ? found->second : std::vector<TPaletteEntry>{};
}

bool IsPalette(HPALETTE palette)
{
    PaletteTable& table = Table();
    const std::lock_guard guard(table.lock);
    return table.live.count(palette) != 0;
}

HPALETTE CopyPalette(HPALETTE palette)
{
    if (!IsPalette(palette))
        return 0;
    TLogPalette copy;
    copy.palPalEntry = GetPaletteEntries(palette);
    return CreatePalette(copy);
}

std::size_t LivePaletteCount()
{
    PaletteTable& table = Table();
    const std::lock_guard guard(table.lock);
    return table.live.size();
}
