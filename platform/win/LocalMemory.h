#pragma once
// Local memory of the platform, as plug-ins use it: a plug-in allocates its result blocks with
// LocalAlloc and the host locks, unlocks and frees them. The functions have C linkage and are
// exported from the executable so that plug-ins resolve them when they are loaded. The host keeps
// a table of live handles: an unknown or freed handle locks to null and frees nothing. A handle
// equals the address of its block.
//
// The declarations match plugins/sdk/susie.h exactly; a translation unit may include both.
#include <cstddef>
#include <cstdint>

typedef void* HLOCAL;

#define LMEM_FIXED 0x0000u
#define LMEM_MOVEABLE 0x0002u
#define LMEM_ZEROINIT 0x0040u
#define LHND (LMEM_MOVEABLE | LMEM_ZEROINIT)
#define LPTR (LMEM_FIXED | LMEM_ZEROINIT)

extern "C" {
// nullptr when the block can't be had (or is larger than MaxLocalAllocBytes).
HLOCAL LocalAlloc(std::uint32_t flags, std::size_t bytes);
// The block's address; nullptr for an unknown or freed handle. A moveable block counts its locks.
void* LocalLock(HLOCAL handle);
// Non-zero while a moveable block stays locked; 0 once unlocked, for a fixed block and for an
// unknown handle.
std::int32_t LocalUnlock(HLOCAL handle);
// nullptr on success (and for nullptr); the handle itself when it names no live block.
HLOCAL LocalFree(HLOCAL handle);
// The size asked for when the block was allocated; 0 for an unknown handle.
std::size_t LocalSize(HLOCAL handle);
}

// The largest block LocalAlloc hands out: far above any picture the host accepts, low enough that a
// plug-in's absurd request fails cleanly instead of exhausting memory.
inline constexpr std::size_t MaxLocalAllocBytes = std::size_t{1} << 32;

// Number of live blocks (tests use it to find blocks nobody freed).
std::size_t LocalLiveBlockCount();
