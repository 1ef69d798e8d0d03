#pragma once
// File attributes, directory enumeration and file status over system paths.
#include <compare>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/HostSettings.h"

namespace z2k {

// The attribute word of a path, with the desktop's bit values.
enum FileAttribute : std::uint32_t {
    kAttributeReadOnly = 0x1,       // owner-write permission bit clear
    kAttributeHidden = 0x2,         // last component begins with '.'
    kAttributeDirectory = 0x10,     // a folder (links followed)
    kAttributeReparsePoint = 0x400  // the path itself is a symbolic link
};

struct AttributeResult {
    bool ok = false;  // false: "cannot be read"
    std::uint32_t attributes = 0;
    int error = 0;  // errno when !ok (unmapped path: ENOENT)
};
AttributeResult getFileAttributes(std::string_view systemPath, const HostSettings& settings);

// An error of this system beside the errno values: a file to be read is a FIFO, a device or
// anything else but a regular file.
constexpr int kErrorNotRegularFile = 0x10001;
// Added to an errno when the failure was in keeping the earlier file as its backup, so that the
// reason is not taken for one of the file itself.
constexpr int kErrorKeepingBackup = 0x20000;

// The system's own description of an error code (strerror, or the text of this system's own
// codes above).
std::string errorDescription(int error);

// Why a host name has no system form.
enum class NameProblem { None, HoldsBackslash, NotInCodePage };

struct DirectoryEntry {
    std::string name;  // in the code page; for an entry in `unnamed`, the host name as it is
    std::uint32_t attributes = 0;
    bool regularFile = false;  // a regular file, links followed (not a folder, FIFO, socket, device)
    NameProblem nameProblem = NameProblem::None;
};
struct DirectoryListing {
    bool ok = false;  // false: the enumeration could not be started
    int error = 0;
    std::vector<DirectoryEntry> entries;  // sorted, "." and ".." included as the desktop gives them
    std::vector<DirectoryEntry> unnamed;  // entries whose host name has no system form, by bytes
    // The folder that was read, so that a folder reached by two paths can be known as one.
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
};
// Enumerates a system pattern of the form "dir\*.*" ('*' and '?' match any names, ASCII letters
// in either case). Entries are sorted by name with ASCII letters folded to lower case, ties by
// bytes. "." and ".." come with every folder but a drive's root, as on the desktop; host names
// that the code page cannot hold (or that hold a '\') are left out of the entries and given in
// `unnamed`. No entry at all fails like the desktop's "no entries": ok is false with ENOENT.
DirectoryListing enumerateDirectory(std::string_view systemPattern, const HostSettings& settings);

struct FileStatus {
    bool exists = false;
    std::uint64_t size = 0;
    std::int64_t modifiedNanoseconds = 0;
};
FileStatus fileStatus(std::string_view systemPath, const HostSettings& settings);

// The host file a system path leads to (links followed), by device and inode: two paths name one
// file when these agree, whatever their drive letters, letter case or links.
struct FileIdentity {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    auto operator<=>(const FileIdentity&) const = default;
};
// Nothing when the path is unmapped or leads to no file.
std::optional<FileIdentity> fileIdentity(std::string_view systemPath, const HostSettings& settings);

// Whether a file could be created or replaced at the path: the path is mapped, its folder exists
// and can be written, and the path does not name a folder. Returns 0 or the errno that creating
// the file would meet.
int checkFileCreatable(std::string_view systemPath, const HostSettings& settings);
// The same for a host path (absolute), such as a report file named on the command line.
int checkHostFileCreatable(const std::string& hostPath);

}  // namespace z2k
