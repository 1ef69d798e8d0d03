#pragma once
// What a front end hands to the conversion driver for one click of Convert.
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

#include "platform/Displays.h"
#include "platform/HostSettings.h"
#include "textdb/LockPolicy.h"

namespace z2k {

class ConversionReport;

// 1 = convert one project (the "Single" page), 0 = convert every matching project found under
// a directory (the "Mulitple" page).
enum class ConversionMode : std::int32_t { Multiple = 0, Single = 1 };

// Owned by the caller; lives for the whole conversion. The displays are not owned; a display
// that a page does not have (overallProgress and status in single mode) stays null and is
// never reported to. A null alerts pointer drops the message boxes.
struct ConversionRequest {
    ProgressDisplay* projectProgress = nullptr;  // the project being converted
    ProgressDisplay* overallProgress = nullptr;  // all found projects (multiple mode only)
    TextDisplay* results = nullptr;              // the "Results:" box
    TextDisplay* status = nullptr;               // the "Status:" line (multiple mode only)
    TextDisplay* problems = nullptr;  // the path and the system's reason of each failure, one line each
    TextDisplay* notices = nullptr;   // what a successful save did unasked (a shortened backup name)
    ConversionMode mode = ConversionMode::Single;
    std::string zatProjectPath;  // single mode: the .zat path as typed; multiple mode: empty
    std::string workspacePath;   // directory, '\', workspace name, without extension
    std::string cpuFamily;       // multiple mode: the family chosen; single mode: empty
    Alerts* alerts = nullptr;    // message boxes of the search, the reader and the translator
    // Not owned; when set, receives per project what became of the options and the result.
    ConversionReport* report = nullptr;
    // How long every file's lock is waited for, and where a long wait is announced.
    LockPolicy lock;
    // Not owned; when set and true, a multiple conversion stops before its next project (never
    // inside one) and ends as usual with the projects converted so far. May be set from a
    // signal handler or another thread.
    const std::atomic<bool>* cancel = nullptr;
    // When set, told before each project found is looked at: its place (from 1) among the
    // projects found, their number and its path. Single mode: 1 of 1.
    std::function<void(std::size_t, std::size_t, const std::string&)> projectStarted;
    // The code page, the drive letters, dry run and backups: every file the conversion reads or
    // writes goes through these.
    HostSettings settings;
};

}  // namespace z2k
