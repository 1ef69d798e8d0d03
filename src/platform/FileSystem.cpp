#include "platform/FileSystem.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <optional>

#include "platform/CodePage.h"
#include "platform/EntryNames.h"
#include "platform/HostPaths.h"

namespace z2k {
namespace {

std::uint32_t attributesOf(const struct stat& st) {
    std::uint32_t attributes = 0;
    if (S_ISDIR(st.st_mode)) attributes |= kAttributeDirectory;
    // Read-only is the owner's write bit, whoever runs the program.
    if ((st.st_mode & S_IWUSR) == 0) attributes |= kAttributeReadOnly;
    return attributes;
}

// The last name of a host path ("" for "/").
std::string_view lastHostName(std::string_view host) {
    while (host.size() > 1 && host.back() == '/') host.remove_suffix(1);
    const std::size_t slash = host.rfind('/');
    return slash == std::string_view::npos ? host : host.substr(slash + 1);
}

// Attribute word of a name inside an open directory (links followed; reparse point when the
// entry itself is a link; a dangling link has only reparse point) and whether it leads to a
// regular file. False when the name is gone.
bool describeEntry(int dirFd, const char* name, bool hiddenByName, DirectoryEntry& entry) {
    struct stat st;
    if (fstatat(dirFd, name, &st, AT_SYMLINK_NOFOLLOW) != 0) return false;
    std::uint32_t attributes = 0;
    if (S_ISLNK(st.st_mode)) {
        attributes |= kAttributeReparsePoint;
        struct stat target;
        if (fstatat(dirFd, name, &target, 0) != 0) {
            entry.attributes = attributes;
            return true;
        }
        st = target;
    }
    attributes |= attributesOf(st);
    if (hiddenByName) attributes |= kAttributeHidden;
    entry.attributes = attributes;
    entry.regularFile = S_ISREG(st.st_mode);
    return true;
}

}  // namespace

AttributeResult getFileAttributes(std::string_view systemPath, const HostSettings& settings) {
    AttributeResult result;
    std::optional<std::string> host = systemToHostPath(systemPath, settings);
    if (!host) {
        result.error = ENOENT;
        return result;
    }
    struct stat st;
    if (lstat(host->c_str(), &st) != 0) {
        result.error = errno;
        return result;
    }
    bool dangling = false;
    if (S_ISLNK(st.st_mode)) {
        result.attributes |= kAttributeReparsePoint;
        struct stat target;
        if (stat(host->c_str(), &target) == 0) {
            result.attributes |= attributesOf(target);
        } else {
            dangling = true;  // a link that leads nowhere has only the reparse point
        }
    } else {
        result.attributes |= attributesOf(st);
    }
    const std::string_view name = lastHostName(*host);
    if (!dangling && !name.empty() && name[0] == '.') result.attributes |= kAttributeHidden;
    result.ok = true;
    return result;
}

namespace {

// Adds the folder's entries that match the pattern to listing.entries, and those without a
// system name to listing.unnamed. "." and ".." are left out at the root of a drive.
void readEntries(DIR* dir, std::string_view pattern, bool isRoot, const HostSettings& settings,
                 DirectoryListing& listing) {
    const CodePage page = settings.codePage;
    const int dirFd = dirfd(dir);
    errno = 0;
    while (struct dirent* hostEntry = readdir(dir)) {
        const std::string_view hostName(hostEntry->d_name);
        const bool dotEntry = hostName == "." || hostName == "..";
        // The desktop gives no "." and ".." for the root of a drive.
        if (dotEntry && isRoot) continue;
        DirectoryEntry entry;
        std::optional<std::string> name = hostNameToCodePage(hostName, settings);
        // A name the code page cannot hold cannot be opened either; a host name holding '\'
        // cannot be written as one name of a system path.
        if (!name) {
            entry.nameProblem = NameProblem::NotInCodePage;
        } else if (findChar(*name, '\\', 0, page) != std::string::npos) {
            entry.nameProblem = NameProblem::HoldsBackslash;
        } else if (!wildcardMatch(pattern, *name, page)) {
            continue;
        }
        if (!describeEntry(dirFd, hostEntry->d_name, !dotEntry && hostName[0] == '.', entry))
            continue;  // removed while the folder was read
        if (entry.nameProblem != NameProblem::None) {
            entry.name.assign(hostName);
            listing.unnamed.push_back(std::move(entry));
            continue;
        }
        entry.name = std::move(*name);
        listing.entries.push_back(std::move(entry));
    }
}

}  // namespace

DirectoryListing enumerateDirectory(std::string_view systemPattern, const HostSettings& settings) {
    DirectoryListing listing;
    const CodePage page = settings.codePage;
    const std::size_t lastSeparator = findLastChar(systemPattern, '\\', page);
    std::string directory;
    std::string_view pattern;
    if (lastSeparator == std::string_view::npos) {
        listing.error = ENOENT;
        return listing;
    }
    directory.assign(systemPattern.substr(0, lastSeparator));
    pattern = systemPattern.substr(lastSeparator + 1);
    // "X:" names the root of the drive here.
    const bool isRoot = directory.size() == 2 && directory[1] == ':';
    if (isRoot) directory += '\\';
    std::optional<std::string> host = systemToHostPath(directory, settings);
    if (!host) {
        listing.error = ENOENT;
        return listing;
    }
    DIR* dir = opendir(host->c_str());
    if (dir == nullptr) {
        listing.error = errno;
        return listing;
    }
    const int dirFd = dirfd(dir);
    struct stat folder;
    if (fstat(dirFd, &folder) == 0) {
        listing.device = static_cast<std::uint64_t>(folder.st_dev);
        listing.inode = static_cast<std::uint64_t>(folder.st_ino);
    }
    readEntries(dir, pattern, isRoot, settings, listing);
    closedir(dir);
    finishListing(listing, page);
    return listing;
}

FileStatus fileStatus(std::string_view systemPath, const HostSettings& settings) {
    FileStatus status;
    std::optional<std::string> host = systemToHostPath(systemPath, settings);
    if (!host) return status;
    struct stat st;
    if (stat(host->c_str(), &st) != 0) return status;
    status.exists = true;
    status.size = static_cast<std::uint64_t>(st.st_size);
    status.modifiedNanoseconds = static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1000000000LL +
                                 static_cast<std::int64_t>(st.st_mtim.tv_nsec);
    return status;
}

std::optional<FileIdentity> fileIdentity(std::string_view systemPath, const HostSettings& settings) {
    std::optional<std::string> host = systemToHostPath(systemPath, settings);
    struct stat st;
    if (!host || stat(host->c_str(), &st) != 0) return std::nullopt;
    return FileIdentity{static_cast<std::uint64_t>(st.st_dev), static_cast<std::uint64_t>(st.st_ino)};
}

int checkFileCreatable(std::string_view systemPath, const HostSettings& settings) {
    std::optional<std::string> host = systemToHostPath(systemPath, settings);
    if (!host || host->empty()) return ENOENT;
    return checkHostFileCreatable(*host);
}

int checkHostFileCreatable(const std::string& hostPath) {
    if (hostPath.empty()) return ENOENT;
    struct stat target {};
    if (stat(hostPath.c_str(), &target) == 0 && S_ISDIR(target.st_mode)) return EISDIR;
    std::size_t slash = hostPath.find_last_of('/');
    std::string folder = slash == 0 ? std::string("/") : hostPath.substr(0, slash);
    struct stat parent {};
    if (stat(folder.c_str(), &parent) != 0) return errno;
    if (!S_ISDIR(parent.st_mode)) return ENOTDIR;
    if (access(folder.c_str(), W_OK | X_OK) != 0) return errno;
    return 0;
}

}  // namespace z2k
