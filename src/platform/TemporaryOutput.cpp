#include "platform/TemporaryOutput.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <ctime>
#include <string_view>

namespace z2k {
namespace {

constexpr std::string_view kPrefix = ".z2k-";
constexpr std::size_t kUniqueLength = 6;

bool isAlphanumeric(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

std::string uniquePart() {
    static constexpr char kAlphabet[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    unsigned char random[kUniqueLength] = {};
    if (::getrandom(random, sizeof random, 0) != static_cast<ssize_t>(sizeof random)) {
        // Without random bytes the nanosecond clock still makes names that rarely collide (each
        // retry reads it anew); O_EXCL and the retries take care of the rest.
        struct timespec now {};
        ::clock_gettime(CLOCK_MONOTONIC, &now);
        const unsigned long long seed = static_cast<unsigned long long>(now.tv_sec) * 2654435761u +
                                        static_cast<unsigned long long>(now.tv_nsec);
        for (std::size_t i = 0; i < kUniqueLength; ++i)
            random[i] = static_cast<unsigned char>(seed >> (i * 7));
    }
    std::string part;
    for (unsigned char byte : random) part += kAlphabet[byte % (sizeof kAlphabet - 1)];
    return part;
}

std::string temporaryName(const std::string& folder) {
    return folder + (folder.back() == '/' ? "" : "/") + std::string(kPrefix) + std::to_string(::getpid()) +
           "-" + uniquePart();
}

// The process id in a name of the form ".z2k-PID-XXXXXX", or 0 when it has another form.
pid_t writerOf(std::string_view name) {
    if (name.substr(0, kPrefix.size()) != kPrefix) return 0;
    name.remove_prefix(kPrefix.size());
    const std::size_t dash = name.find('-');
    if (dash == 0 || dash == std::string_view::npos || dash > 9 || name.size() != dash + 1 + kUniqueLength)
        return 0;
    long pid = 0;
    for (char c : name.substr(0, dash)) {
        if (c < '0' || c > '9') return 0;
        pid = pid * 10 + (c - '0');
    }
    for (char c : name.substr(dash + 1))
        if (!isAlphanumeric(c)) return 0;
    return static_cast<pid_t>(pid);
}

// A write lock on the whole file, held by the open file description: the kernel drops it when
// the writer dies.
bool lockWhole(int fd) {
    struct flock lock {};
    lock.l_type = F_WRLCK;
    lock.l_whence = SEEK_SET;
    return ::fcntl(fd, F_OFD_SETLK, &lock) == 0;
}

}  // namespace

TemporaryOutput::~TemporaryOutput() {
    if (!name_.empty()) ::unlink(name_.c_str());
    if (fd_ >= 0) ::close(fd_);
}

int TemporaryOutput::open() {
    fd_ = ::open(folder_.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
    if (fd_ >= 0) {
        lockWhole(fd_);
        return 0;
    }
    // Only a file system without unnamed files falls back to a name; any other error (a folder
    // that cannot be written) is the answer.
    if (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL) return errno;
    return openNamed();
}

int TemporaryOutput::openNamed() {
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string name = temporaryName(folder_);
        fd_ = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd_ >= 0) {
            name_ = std::move(name);
            lockWhole(fd_);
            return 0;
        }
        if (errno != EEXIST) return errno;
    }
    return EEXIST;
}

int TemporaryOutput::linkAs(const std::string& path) {
    const std::string self = "/proc/self/fd/" + std::to_string(fd_);
    if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, path.c_str(), AT_SYMLINK_FOLLOW) == 0) return 0;
    if (errno != ENOENT) return errno;
    // Without /proc: the descriptor itself (needs the right to read any file on older kernels).
    return ::linkat(fd_, "", AT_FDCWD, path.c_str(), AT_EMPTY_PATH) == 0 ? 0 : errno;
}

int TemporaryOutput::moveTo(const std::string& target, bool targetExists) {
    if (name_.empty()) {
        // A new file is linked in place at once: it never has another name.
        if (!targetExists) {
            const int error = linkAs(target);
            if (error != EEXIST) return error;
        }
        int error = EEXIST;
        for (int attempt = 0; attempt < 100 && error == EEXIST; ++attempt) {
            std::string name = temporaryName(folder_);
            error = linkAs(name);
            if (error == 0) name_ = std::move(name);
        }
        if (error != 0) return error;
    }
    if (::rename(name_.c_str(), target.c_str()) != 0) return errno;
    name_.clear();
    return 0;
}

void removeStaleTemporaryFiles(const std::string& hostFolder) {
    DIR* dir = ::opendir(hostFolder.c_str());
    if (dir == nullptr) return;
    const int dirFd = ::dirfd(dir);
    const uid_t user = ::geteuid();
    while (const struct dirent* entry = ::readdir(dir)) {
        const pid_t writer = writerOf(entry->d_name);
        // A process that exists, or one this process cannot tell about, may still be writing.
        if (writer <= 0 || writer == ::getpid() || ::kill(writer, 0) == 0 || errno != ESRCH) continue;
        struct stat named;
        if (::fstatat(dirFd, entry->d_name, &named, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(named.st_mode) ||
            named.st_uid != user || named.st_nlink != 1)
            continue;
        const int fd =
            ::openat(dirFd, entry->d_name, O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
        if (fd < 0) continue;
        struct stat opened;
        // The lock tells that no writer (of another process namespace, say) still holds it; the
        // same file must still stand under the name.
        if (::fstat(fd, &opened) == 0 && opened.st_ino == named.st_ino && opened.st_dev == named.st_dev &&
            lockWhole(fd))
            ::unlinkat(dirFd, entry->d_name, 0);
        ::close(fd);
    }
    ::closedir(dir);
}

}  // namespace z2k
