// LocalAlloc when the host's own bookkeeping can't get memory. Plug-ins call it from C code that no
// exception may unwind through, so it must fail with nullptr instead of throwing. To get there, this
// program's allocation functions can be told to fail; they are malloc and free otherwise (the array
// forms keep the library's, which come here or pair among themselves).
#include <cstdlib>
#include <new>

#include <gtest/gtest.h>

#include "platform/win/LocalMemory.h"

namespace {
bool failAllocations = false;  // only set by the test below, on this one thread

void* Allocate(std::size_t size)
{
    if (failAllocations)
        throw std::bad_alloc();
    if (void* memory = std::malloc(size == 0 ? 1 : size))
        return memory;
    throw std::bad_alloc();
}
}  // namespace

void* operator new(std::size_t size) { return Allocate(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept
{
    return failAllocations ? nullptr : std::malloc(size == 0 ? 1 : size);
}
void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }
void operator delete(void* memory, const std::nothrow_t&) noexcept { std::free(memory); }

namespace {

TEST(LocalMemory, FailsWithoutThrowingWhenItsTableCannotGrow)
{
    const std::size_t before = LocalLiveBlockCount();
    failAllocations = true;
    HLOCAL handle = reinterpret_cast<HLOCAL>(1);
    try {
        handle = LocalAlloc(LHND, 64);
    } catch (...) {
        failAllocations = false;
        FAIL() << "an exception left LocalAlloc";
    }
    failAllocations = false;
    EXPECT_EQ(handle, nullptr);
    EXPECT_EQ(LocalLiveBlockCount(), before);  // and the block it had was given back (the leak check sees it)
}

}  // namespace
