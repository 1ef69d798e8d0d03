#include "platform/AllocatorTuning.h"

#include <malloc.h>
#include <sys/mman.h>

#include <cstdint>
#include <cstdlib>

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define Z2K_ADDRESS_SANITIZER 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__)
#define Z2K_ADDRESS_SANITIZER 1
#endif

namespace z2k {

// Under the address sanitizer this does nothing: its allocator has its own rules, and it would
// write the shadow of the whole marking block.
bool keepLargeBlocksInHeap() {
#ifdef Z2K_ADDRESS_SANITIZER
    return false;
#else
    constexpr std::size_t kMiB = 1024 * 1024;
    constexpr std::size_t kHugePage = 2 * kMiB;
    // The heap's first stretch, marked for huge pages. It is only address space: a page becomes
    // resident when it is first used, as for any heap.
    constexpr std::size_t kMarked = 256 * kMiB;

    // Blocks up to twice that size come from the heap, and the heap is not trimmed below it.
    mallopt(M_MMAP_THRESHOLD, static_cast<int>(2 * kMarked));
    mallopt(M_TRIM_THRESHOLD, static_cast<int>(2 * kMarked));

    // The heap grows by the block, which is marked and freed at once: its space stays in the heap
    // (it is not trimmed) and serves the allocations that follow. A heap that grows past it gets
    // ordinary pages for the rest.
    void* block = std::malloc(kMarked + kHugePage);
    if (block == nullptr) return true;
    const auto start = (reinterpret_cast<std::uintptr_t>(block) + kHugePage - 1) & ~(kHugePage - 1);
    madvise(reinterpret_cast<void*>(start), kMarked, MADV_HUGEPAGE);
    std::free(block);
    return true;
#endif
}

}  // namespace z2k
