#pragma once
// Everything one conversion needs to know about the host it runs on: the code page of the
// projects, the code set of host file names, the drive letters, and whether files are written
// and backups kept. A front end makes one and hands it down; nothing below keeps its own copy of
// these facts, so two conversions with different settings can run one after the other.
#include <string>

#include "platform/CodePage.h"
#include "platform/DriveMap.h"

namespace z2k {

struct HostSettings {
    CodePage codePage = CodePage::SingleByte;
    // The code set host file names are in (the process locale's, nl_langinfo(CODESET)). Empty,
    // or the plain C locale's: names pass between host and system as bytes.
    std::string hostCodeSet;
    DriveMap drives;
    // False: a dry run. Every check a replace makes is made, and no file is created, changed or
    // removed (lock files of the shared lock aside).
    bool writeFiles = true;
    // Whether a replaced file's earlier contents are kept as its ".bak".
    bool keepBackups = true;
};

// The settings for the process locale: its code set for host names and the code page it stands
// for; everything else as a fresh HostSettings.
HostSettings hostSettingsFor(const ProcessLocale& locale);

}  // namespace z2k
