#include "platform/AllocatorTuning.h"

#include <malloc.h>

namespace z2k {

void keepLargeBlocksInHeap() {
    constexpr int kLargeBlock = 256 * 1024 * 1024;
    // Both are hints: an allocator that does not know them (or a sanitizer's) ignores them.
    mallopt(M_MMAP_THRESHOLD, kLargeBlock);
    mallopt(M_TRIM_THRESHOLD, kLargeBlock);
}

}  // namespace z2k
