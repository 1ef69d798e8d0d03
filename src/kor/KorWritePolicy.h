#pragma once
// How the KOR writers reach the file and the user: the lock policy of the file, the display that
// shows the progress messages (each replaces the text before it) and the display that receives
// the notices of the save (an earlier file kept under a shortened backup name). A null display
// drops what it would show.
#include "platform/Displays.h"
#include "textdb/LockPolicy.h"

namespace z2k {

struct KorWritePolicy {
    LockPolicy lock;
    TextDisplay* progress = nullptr;
    TextDisplay* notices = nullptr;
};

}  // namespace z2k
