#pragma once
// How the KOR writers reach the file and the user: the host settings (drive letters, code page,
// dry run, backups), the lock policy of the file, the display that
// shows the progress messages (each replaces the text before it) and the display that receives
// the notices of the save (an earlier file kept under a shortened backup name). A null display
// drops what it would show.
#include "platform/Displays.h"
#include "platform/HostSettings.h"
#include "textdb/LockPolicy.h"

namespace z2k {

struct KorWritePolicy {
    HostSettings settings;
    LockPolicy lock;
    TextDisplay* progress = nullptr;
    TextDisplay* notices = nullptr;
};

}  // namespace z2k
