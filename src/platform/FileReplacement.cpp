#include "platform/FileReplacement.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <optional>

#include "platform/FileSystem.h"
#include "platform/HostFile.h"
#include "platform/HostPaths.h"
#include "platform/TemporaryOutput.h"

namespace z2k {
namespace {

constexpr std::size_t kDefaultNameLimit = 255;
constexpr std::string_view kBackupSuffix = ".bak";

// The replace of one path: its folder and name, and the file that stands there now.
struct Target {
    std::string folder;
    std::string prefix;  // the path up to and with its last '/'
    std::string name;
    bool exists = false;
    struct stat old {};
    struct stat folderStatus {};
    std::string backup;  // the backup's host path
};

std::size_t nameLimitOf(const std::string& folder) {
    const long limit = ::pathconf(folder.c_str(), _PC_NAME_MAX);
    return limit > 0 ? static_cast<std::size_t>(limit) : kDefaultNameLimit;
}

bool isReadOnly(const struct stat& status) {
    return (status.st_mode & S_IWUSR) == 0;
}

// In a folder with the sticky bit only the owners of a file or of the folder may remove or
// replace it.
bool stickyForbids(const struct stat& folder, const struct stat& file) {
    const uid_t user = ::geteuid();
    return (folder.st_mode & S_ISVTX) != 0 && user != 0 && file.st_uid != user && folder.st_uid != user;
}

int describe(const std::string& hostPath, Target& target) {
    const std::size_t slash = hostPath.rfind('/');
    target.prefix = slash == std::string::npos ? std::string() : hostPath.substr(0, slash + 1);
    target.name = hostPath.substr(target.prefix.size());
    target.folder = slash == std::string::npos ? std::string(".")
                    : slash == 0               ? std::string("/")
                                               : hostPath.substr(0, slash);
    if (target.name.empty() || target.name == "." || target.name == "..") return EISDIR;
    struct stat& folder = target.folderStatus;
    if (::stat(target.folder.c_str(), &folder) != 0) return errno;
    if (!S_ISDIR(folder.st_mode)) return ENOTDIR;
    if (::faccessat(AT_FDCWD, target.folder.c_str(), W_OK | X_OK, AT_EACCESS) != 0) return errno;
    if (::stat(hostPath.c_str(), &target.old) == 0) {
        target.exists = true;
    } else if (errno != ENOENT) {
        return errno;
    }
    if (!target.exists) return 0;
    if (S_ISDIR(target.old.st_mode)) return EISDIR;
    if (isReadOnly(target.old)) return EACCES;
    if (stickyForbids(folder, target.old)) return EPERM;
    return 0;
}

int checkBackup(const std::string& hostPath, const HostSettings& settings, Target& target) {
    target.backup = target.prefix + backupFileName(target.name, nameLimitOf(target.folder), settings);
    struct stat backup;
    if (::lstat(target.backup.c_str(), &backup) == 0) {
        if (S_ISDIR(backup.st_mode)) return kErrorKeepingBackup | EISDIR;
        // An older backup of another user in a sticky folder cannot be taken away.
        if (stickyForbids(target.folderStatus, backup)) return kErrorKeepingBackup | EPERM;
    }
    int error = 0;
    const int fd = openRegularFileForReading(hostPath, error);
    if (fd >= 0) ::close(fd);
    return error == 0 ? 0 : kErrorKeepingBackup | error;
}

int check(const std::string& hostPath, bool keepBackup, const HostSettings& settings, Target& target) {
    if (const int error = describe(hostPath, target); error != 0) return error;
    if (keepBackup && target.exists && S_ISREG(target.old.st_mode))
        return checkBackup(hostPath, settings, target);
    return 0;
}

mode_t currentUmask() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
}

// Copies the old file byte for byte to the backup's path.
int copyFile(const std::string& from, const std::string& to, mode_t mode) {
    int error = 0;
    const int in = openRegularFileForReading(from, error);
    if (in < 0) return error;
    std::string bytes;
    error = readAll(in, bytes);
    ::close(in);
    if (error != 0) return error;
    // The name was just removed: whatever stands there now was planted meanwhile.
    const int out = ::open(to.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
    if (out < 0) return errno;
    error = writeAll(out, bytes);
    if (::close(out) != 0 && error == 0) error = errno;
    return error;
}

// Keeps the old file under the backup's name (one generation: an older backup is replaced).
int keepBackupOf(const std::string& hostPath, const std::string& backup, mode_t mode) {
    if (::unlink(backup.c_str()) != 0 && errno != ENOENT) return errno;
    if (::link(hostPath.c_str(), backup.c_str()) == 0) return 0;
    return copyFile(hostPath, backup, mode);
}

void syncFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

}  // namespace

int checkReplaceable(const std::string& hostPath, bool keepBackup, const HostSettings& settings) {
    Target target;
    return check(hostPath, keepBackup, settings, target);
}

int replaceHostFileFrom(const std::string& hostPath, const ContentProducer& produce,
                        const ReplaceOptions& options, const HostSettings& settings,
                        std::string* shortenedBackup) {
    Target target;
    if (const int error = check(hostPath, options.keepBackup, settings, target); error != 0) return error;

    TemporaryOutput output(target.folder);
    if (const int error = output.open(); error != 0) return error;
    const int fd = output.fd();
    int error = produce([&](std::string_view piece) {
        return options.textMode ? writeAllAsText(fd, piece) : writeAll(fd, piece);
    });
    // The owner and group of the old file where the running user may give them; the mode is set
    // afterwards, since a change of owner clears setuid and setgid.
    // When neither can be given, the file stays the running user's: not a failure.
    const bool owned = error != 0 || !target.exists || ::fchown(fd, target.old.st_uid, target.old.st_gid) == 0 ||
                       ::fchown(fd, static_cast<uid_t>(-1), target.old.st_gid) == 0;
    static_cast<void>(owned);
    const mode_t mode = target.exists ? (target.old.st_mode & 0777) : (0666 & ~currentUmask());
    if (error == 0 && ::fchmod(fd, mode) != 0) error = errno;
    if (error == 0 && ::fsync(fd) != 0) error = errno;
    if (error == 0 && !target.backup.empty()) {
        error = keepBackupOf(hostPath, target.backup, mode);
        if (error != 0) error |= kErrorKeepingBackup;
    }
    if (error == 0) error = output.moveTo(hostPath, target.exists);
    if (error != 0) return error;
    syncFolder(target.folder);
    if (shortenedBackup != nullptr && !target.backup.empty() &&
        target.backup != hostPath + std::string(kBackupSuffix))
        *shortenedBackup = target.backup.substr(target.prefix.size());
    return 0;
}

}  // namespace z2k
