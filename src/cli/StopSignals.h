#pragma once
// How the command line lives through signals: SIGPIPE is ignored (a reader of stdout that goes
// away makes the writes fail, which the command line reports, instead of killing the run before
// its workspace and report are written); SIGINT and SIGTERM only ask the conversion to stop
// before its next project (and end a wait for a lock another process holds), so no file is
// ever left half-written. A repeated signal asks the
// same and does not end the run sooner.
#include <atomic>

namespace z2k {

class StopSignals {
  public:
    // Installs the handlers for the whole process (once).
    static void install();
    // Becomes true at the first SIGINT or SIGTERM.
    static const std::atomic<bool>& stopRequested();
    // The first signal that asked to stop, or 0.
    static int signal();
    // Its name ("SIGINT", "SIGTERM").
    static const char* signalName();
};

}  // namespace z2k
