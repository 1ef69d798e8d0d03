#pragma once
// Reads one .zat file into a ZatProject: the fixed order of recordsets, the three passes over
// configurations and build phases, the composed recordsets of file groups and custom phases.
//
//   ZatReadResult read = readZatProject(path, {display, alerts, lockPolicy});
//   if (!read.project) ... read.failure says which file and why
#include <optional>
#include <string>

#include "platform/Displays.h"
#include "platform/FileFailure.h"
#include "platform/HostSettings.h"
#include "textdb/LockPolicy.h"
#include "zat/ZatProject.h"

namespace z2k {

struct ZatReadOptions {
    // Each progress message ("Reading recordset [NAME]") replaces its text; null drops them.
    TextDisplay* progress = nullptr;
    // Where "ERROR READING OPTIONS TABLE" is shown; null drops it.
    Alerts* alerts = nullptr;
    // How long to wait for the file's lock, and whom to tell about a long wait.
    LockPolicy lock;
    // How the file's system path meets the host (drives, code page).
    HostSettings settings;
};

struct ZatReadResult {
    // Set when the whole project was read.
    std::optional<ZatProject> project;
    // When it was not: the path and the reason.
    FileFailure failure;
    // The CPU family of the project details, when the read got that far, also when it failed
    // later: a search for the projects of one family goes by it.
    std::string cpuFamily;
};

// An empty path fails with "no ZAT project file was named".
ZatReadResult readZatProject(const std::string& path, const ZatReadOptions& options);

}  // namespace z2k
