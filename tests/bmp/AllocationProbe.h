#pragma once
// Records the largest single allocation made through operator new while a probe is alive, so that
// tests can show a header's claims are checked before memory is reserved for them.
#include <cstddef>

namespace bmptest {

class AllocationProbe {
public:
    AllocationProbe();
    ~AllocationProbe();
    AllocationProbe(const AllocationProbe&) = delete;
    AllocationProbe& operator=(const AllocationProbe&) = delete;

    std::size_t Largest() const;
};

}  // namespace bmptest
