#pragma once
// Process-wide allocator settings for a converter that builds and drops texts of many megabytes.

namespace z2k {

// Keeps large blocks in the heap: by default each block above a threshold (at most 32 MB) is a
// mapping of its own, so every growth of a multi-megabyte text and every new one starts on fresh
// pages that the kernel has to fault in and zero. With this, freed space is reused instead.
// Called once by the front ends, before any conversion.
void keepLargeBlocksInHeap();

}  // namespace z2k
