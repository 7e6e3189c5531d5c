#include <dlfcn.h>

#include <cstring>

#include <gtest/gtest.h>

#include "platform/win/LocalMemory.h"

namespace {

TEST(LocalMemory, AllocatedBlocksLockToTheirMemoryAndKnowTheirSize)
{
    const std::size_t before = LocalLiveBlockCount();
    for (std::uint32_t flags : {LMEM_FIXED, LMEM_MOVEABLE, LPTR, LHND}) {
        SCOPED_TRACE(flags);
        HLOCAL handle = LocalAlloc(flags, 100);
        ASSERT_NE(handle, nullptr);
        EXPECT_EQ(LocalSize(handle), 100u);
        auto* bytes = static_cast<unsigned char*>(LocalLock(handle));
        ASSERT_NE(bytes, nullptr);
        if (flags & LMEM_ZEROINIT) {
            for (int i = 0; i < 100; ++i)
                ASSERT_EQ(bytes[i], 0) << i;
        }
        std::memset(bytes, 0xAB, 100);  // the whole block is writable
        LocalUnlock(handle);
        EXPECT_EQ(LocalFree(handle), nullptr);
    }
    EXPECT_EQ(LocalLiveBlockCount(), before);
}

TEST(LocalMemory, ZeroByteBlocksAreDistinctAndEmpty)
{
    HLOCAL a = LocalAlloc(LMEM_MOVEABLE, 0);
    HLOCAL b = LocalAlloc(LMEM_MOVEABLE, 0);
    ASSERT_NE(a, nullptr);
    ASSERT_NE(b, nullptr);
    EXPECT_NE(a, b);
    EXPECT_EQ(LocalSize(a), 0u);
    EXPECT_EQ(LocalFree(a), nullptr);
    EXPECT_EQ(LocalFree(b), nullptr);
}

TEST(LocalMemory, MoveableBlocksCountTheirLocks)
{
    HLOCAL handle = LocalAlloc(LMEM_MOVEABLE, 8);
    ASSERT_NE(LocalLock(handle), nullptr);
    ASSERT_NE(LocalLock(handle), nullptr);
    EXPECT_NE(LocalUnlock(handle), 0);  // still locked once
    EXPECT_EQ(LocalUnlock(handle), 0);
    EXPECT_EQ(LocalUnlock(handle), 0);  // not locked any more
    LocalFree(handle);

    HLOCAL fixed = LocalAlloc(LMEM_FIXED, 8);
    ASSERT_NE(LocalLock(fixed), nullptr);
    EXPECT_EQ(LocalUnlock(fixed), 0);
    LocalFree(fixed);
}

TEST(LocalMemory, UnknownAndFreedHandlesLockToNullAndFreeNothing)
{
    const std::size_t before = LocalLiveBlockCount();
    HLOCAL handle = LocalAlloc(LMEM_MOVEABLE, 16);
    ASSERT_EQ(LocalFree(handle), nullptr);
    EXPECT_EQ(LocalLock(handle), nullptr);
    EXPECT_EQ(LocalSize(handle), 0u);
    EXPECT_EQ(LocalUnlock(handle), 0);
    EXPECT_EQ(LocalFree(handle), handle);  // a second free is refused, not done again

    int stackValue = 0;
    EXPECT_EQ(LocalLock(&stackValue), nullptr);
    EXPECT_EQ(LocalFree(&stackValue), &stackValue);
    EXPECT_EQ(LocalFree(nullptr), nullptr);
    EXPECT_EQ(LocalLiveBlockCount(), before);
}

TEST(LocalMemory, AbsurdRequestsFailCleanly)
{
    EXPECT_EQ(LocalAlloc(LMEM_MOVEABLE, MaxLocalAllocBytes + 1), nullptr);
    EXPECT_EQ(LocalAlloc(LMEM_FIXED, static_cast<std::size_t>(-1)), nullptr);
}

TEST(LocalMemory, FunctionsAreExportedForPlugIns)
{
    // Plug-ins find them through the process's dynamic symbols, not through this program's link.
    for (const char* name : {"LocalAlloc", "LocalLock", "LocalUnlock", "LocalFree", "LocalSize"})
        EXPECT_NE(dlsym(RTLD_DEFAULT, name), nullptr) << name;
    EXPECT_EQ(dlsym(RTLD_DEFAULT, "LocalAlloc"), reinterpret_cast<void*>(&LocalAlloc));
}

}  // namespace
