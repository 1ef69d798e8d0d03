#include "platform/AllocatorTuning.h"

#include <gtest/gtest.h>
#include <malloc.h>

#include <cstring>
#include <memory>

namespace z2k {
namespace {

TEST(AllocatorTuning, LargeTextsComeFromTheHeapAndStayThere) {
    if (!keepLargeBlocksInHeap()) GTEST_SKIP() << "the sanitizer's allocator is left as it is";
    const std::size_t mappedBefore = mallinfo2().hblks;
    // Larger than any block the allocator's own threshold would keep in the heap (32 MB).
    constexpr std::size_t kSize = 64 * 1024 * 1024;
    auto block = std::make_unique<char[]>(kSize);
    std::memset(block.get(), 1, kSize);
    EXPECT_EQ(mallinfo2().hblks, mappedBefore) << "the block was mapped on its own";
    const std::size_t heapWithBlock = mallinfo2().arena;
    block.reset();
    EXPECT_EQ(mallinfo2().arena, heapWithBlock) << "the heap was trimmed";
}

}  // namespace
}  // namespace z2k
