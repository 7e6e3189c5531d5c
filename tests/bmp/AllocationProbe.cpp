#include "tests/bmp/AllocationProbe.h"

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <new>

namespace {

std::atomic<bool> probing{false};
std::atomic<std::size_t> largest{0};

}  // namespace

// The test program's own operator new: malloc with a note of the size while a probe is alive.
void* operator new(std::size_t size)
{
    if (probing.load(std::memory_order_relaxed)) {
        std::size_t seen = largest.load(std::memory_order_relaxed);
        while (size > seen && !largest.compare_exchange_weak(seen, size)) {
        }
    }
    if (void* p = std::malloc(std::max<std::size_t>(size, 1)))
        return p;
    throw std::bad_alloc();
}

void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace bmptest {

AllocationProbe::AllocationProbe()
{
    largest = 0;
    probing = true;
}

AllocationProbe::~AllocationProbe() { probing = false; }

std::size_t AllocationProbe::Largest() const { return largest.load(); }

}  // namespace bmptest
