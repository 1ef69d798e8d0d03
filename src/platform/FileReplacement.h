#pragma once
// Replacing a host file whole: the new bytes go to a temporary file in the same folder and are
// flushed, and only then does the file take the place of the old one. A failed replace leaves
// the old file as it was. The new file keeps the old one's permission bits (without setuid,
// setgid and sticky), owner and group where the running user may give them. A file whose
// owner-write bit is clear is read-only, whoever runs the program: it is not replaced.
#include <functional>
#include <string>
#include <string_view>

#include "platform/HostSettings.h"

namespace z2k {

struct ReplaceOptions {
    bool textMode = false;    // every LF is written as CR LF
    bool keepBackup = false;  // the old file is kept beside it (see backupFileName)
};

// The name of the backup of a file named `name`: name + ".bak", or, when that is longer than
// the folder allows (nameLimit bytes), the start of the name, '~', eight hex digits of a digest
// of the whole name and ".bak", cut where the start is still a name in the code page.
std::string backupFileName(const std::string& name, std::size_t nameLimit, const HostSettings& settings);

// Everything a replace checks before it writes: the folder exists and can be written, the path
// is not a folder, an existing file is not read-only, and, with a backup, the old file can be
// read and the backup's name stands neither for a folder nor for an older backup that may not be
// removed. 0 or the errno of the failure, with kErrorKeepingBackup added where the backup failed.
int checkReplaceable(const std::string& hostPath, bool keepBackup, const HostSettings& settings);

// Hands the pieces of a file's content, in order, to `write`, which gives 0 or errno; gives 0 or
// the first error (its own or write's).
using ContentProducer = std::function<int(const std::function<int(std::string_view)>& write)>;

// Replaces the file at hostPath with the content made piece by piece while it is written, so that
// it never has to be held whole; 0 or errno (marked as above). A producer that fails leaves the
// earlier file as it was. When a backup was kept under a shortened name, that name (without
// folder) is put in *shortenedBackup.
int replaceHostFileFrom(const std::string& hostPath, const ContentProducer& produce,
                        const ReplaceOptions& options, const HostSettings& settings,
                        std::string* shortenedBackup = nullptr);

// replaceHostFileFrom for bytes held whole.
inline int replaceHostFile(const std::string& hostPath, std::string_view bytes, const ReplaceOptions& options,
                           const HostSettings& settings, std::string* shortenedBackup = nullptr) {
    return replaceHostFileFrom(
        hostPath, [bytes](const std::function<int(std::string_view)>& write) { return write(bytes); }, options,
        settings, shortenedBackup);
}

}  // namespace z2k
