#include "platform/win/LocalMemory.h"

#include <cstdlib>
#include <mutex>
#include <unordered_map>

namespace {

struct LocalBlock {
    std::size_t size = 0;
    bool moveable = false;
    unsigned lockCount = 0;
};

// Plug-ins may call in from any thread, so the table is guarded.
struct LocalTable {
    std::mutex mutex;
    std::unordered_map<void*, LocalBlock> blocks;  // keyed by handle = block address
};

LocalTable& Table()
{
    static LocalTable table;
    return table;
}

}  // namespace

extern "C" __attribute__((visibility("default"))) HLOCAL LocalAlloc(std::uint32_t flags, std::size_t bytes)
{
    if (bytes > MaxLocalAllocBytes)
        return nullptr;
    // A zero-byte block still gets an address of its own, so its handle is unique.
    const std::size_t reserved = bytes == 0 ? 1 : bytes;
    void* memory = (flags & LMEM_ZEROINIT) != 0 ? std::calloc(reserved, 1) : std::malloc(reserved);
    if (memory == nullptr)
        return nullptr;
    try {
        LocalTable& table = Table();
        std::lock_guard lock(table.mutex);
        table.blocks[memory] = LocalBlock{bytes, (flags & LMEM_MOVEABLE) != 0, 0};
    } catch (...) {
        // The caller is plug-in code that no exception may unwind through: the request just fails.
        std::free(memory);
        return nullptr;
    }
    return memory;
}

extern "C" __attribute__((visibility("default"))) void* LocalLock(HLOCAL handle)
{
    LocalTable& table = Table();
    std::lock_guard lock(table.mutex);
    auto found = table.blocks.find(handle);
    if (found == table.blocks.end())
        return nullptr;
    if (found->second.moveable)
        ++found->second.lockCount;
    return handle;
}

extern "C" __attribute__((visibility("default"))) std::int32_t LocalUnlock(HLOCAL handle)
{
    LocalTable& table = Table();
    std::lock_guard lock(table.mutex);
    auto found = table.blocks.find(handle);
    if (found == table.blocks.end() || found->second.lockCount == 0)
        return 0;
    return --found->second.lockCount > 0 ? 1 : 0;
}

extern "C" __attribute__((visibility("default"))) HLOCAL LocalFree(HLOCAL handle)
{
    if (handle == nullptr)
        return nullptr;
    {
        LocalTable& table = Table();
        std::lock_guard lock(table.mutex);
        if (table.blocks.erase(handle) == 0)
            return handle;
    }
    std::free(handle);
    return nullptr;
}

extern "C" __attribute__((visibility("default"))) std::size_t LocalSize(HLOCAL handle)
{
    LocalTable& table = Table();
    std::lock_guard lock(table.mutex);
    auto found = table.blocks.find(handle);
    return found == table.blocks.end() ? 0 : found->second.size;
}

std::size_t LocalLiveBlockCount()
{
    LocalTable& table = Table();
    std::lock_guard lock(table.mutex);
    return table.blocks.size();
}
