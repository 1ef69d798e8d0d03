#include "platform/AllocatorTuning.h"

namespace z2k {

// The Windows heap has no such settings: it is left as it is.
bool keepLargeBlocksInHeap() {
    return false;
}

}  // namespace z2k
