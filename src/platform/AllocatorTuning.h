#pragma once
// Process-wide allocator settings for a converter that builds and drops texts of many megabytes.

namespace z2k {

// Keeps large blocks in the heap and lets the heap use huge pages.
//
// By default each block above a threshold (at most 32 MB) is a mapping of its own, so every
// growth of a multi-megabyte text starts on fresh pages that the kernel has to fault in and
// zero, one 4 KiB page at a time; with the threshold raised, freed space is reused instead. The
// first 256 MiB of the heap are also marked for transparent huge pages (where the system leaves
// that to programs), so that its pages come 2 MiB at a time: a large conversion then takes a few
// hundred page faults instead of tens of thousands. Every setting is a hint; where one is not
// supported (another allocator, a sanitizer's, huge pages turned off) it changes nothing.
// Called once by the front ends, before any conversion. Returns false when it left the allocator
// as it was: under the address sanitizer, whose allocator has its own rules, and on Windows.
bool keepLargeBlocksInHeap();

}  // namespace z2k
