#include "platform/AllocatorTuning.h"

#include <gtest/gtest.h>
#include <malloc.h>

#include <cstring>
#include <memory>

namespace z2k {
namespace {

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define Z2K_TEST_ADDRESS_SANITIZER 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__)
#define Z2K_TEST_ADDRESS_SANITIZER 1
#endif

TEST(AllocatorTuning, LargeTextsComeFromTheHeapAndStayThere) {
#ifdef Z2K_TEST_ADDRESS_SANITIZER
    GTEST_SKIP() << "the sanitizer's allocator is left as it is";
#else
    keepLargeBlocksInHeap();
    const std::size_t mappedBefore = mallinfo2().hblks;
    // Larger than any block the allocator's own threshold would keep in the heap (32 MB).
    constexpr std::size_t kSize = 64 * 1024 * 1024;
    auto block = std::make_unique<char[]>(kSize);
    std::memset(block.get(), 1, kSize);
    EXPECT_EQ(mallinfo2().hblks, mappedBefore) << "the block was mapped on its own";
    const std::size_t heapWithBlock = mallinfo2().arena;
    block.reset();
    EXPECT_EQ(mallinfo2().arena, heapWithBlock) << "the heap was trimmed";
#endif
}

}  // namespace
}  // namespace z2k
