#include "platform/LockFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <thread>

namespace z2k {

namespace {

std::string ownerProblem(const char* what, const struct stat& info) {
    return std::string(what) + " is owned by user " + std::to_string(info.st_uid) + ", not by user " +
           std::to_string(::geteuid());
}

struct flock wholeFile(short type) {
    struct flock request {};
    request.l_type = type;
    request.l_whence = SEEK_SET;
    request.l_start = 0;
    request.l_len = 0;
    request.l_pid = 0;
    return request;
}

}  // namespace

std::string LockFile::checkPrivateFolder(const std::string& hostFolder) {
    struct stat info {};
    if (::lstat(hostFolder.c_str(), &info) != 0) {
        if (errno != ENOENT)
            return std::string("the lock folder cannot be examined: ") + std::strerror(errno);
        // Another process of this user may make it at the same moment: EEXIST is not an error,
        // the check below decides.
        if (::mkdir(hostFolder.c_str(), 0700) != 0 && errno != EEXIST)
            return std::string("the lock folder cannot be created: ") + std::strerror(errno);
        if (::lstat(hostFolder.c_str(), &info) != 0)
            return std::string("the lock folder cannot be examined: ") + std::strerror(errno);
    }
    if (S_ISLNK(info.st_mode)) return "the lock folder is a symbolic link, not a folder";
    if (!S_ISDIR(info.st_mode)) return "the lock folder is not a folder";
    if (info.st_uid != ::geteuid()) return ownerProblem("the lock folder", info);
    if ((info.st_mode & (S_IWGRP | S_IWOTH)) != 0) {
        char mode[8];
        std::snprintf(mode, sizeof mode, "%04o", static_cast<unsigned>(info.st_mode & 07777));
        return std::string("the lock folder can be written by group or others (mode ") + mode + ")";
    }
    return {};
}

std::unique_ptr<LockFile> LockFile::open(const std::string& hostPath, std::string& problem) {
    const int fd = ::open(hostPath.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0) {
        problem = errno == ELOOP ? "the lock file is a symbolic link"
                                 : std::string("the lock file cannot be opened: ") + std::strerror(errno);
        return nullptr;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        problem = std::string("the lock file cannot be examined: ") + std::strerror(errno);
    } else if (!S_ISREG(info.st_mode)) {
        problem = "the lock file is not a regular file";
    } else if (info.st_uid != ::geteuid()) {
        problem = ownerProblem("the lock file", info);
    } else if (info.st_nlink != 1) {
        // A hard link would let the lock file stand for some other file.
        problem = "the lock file has " + std::to_string(info.st_nlink) + " links";
    } else {
        return std::unique_ptr<LockFile>(new LockFile(fd));
    }
    ::close(fd);
    return nullptr;
}

LockFile::~LockFile() {
    if (fd_ >= 0) ::close(fd_);
}

int LockFile::lock(bool exclusive, std::uint32_t waitMilliseconds, const std::function<void()>& onLongWait,
                   const std::atomic<bool>* stop) {
    struct flock request = wholeFile(static_cast<short>(exclusive ? F_WRLCK : F_RDLCK));
    auto blockUntilGranted = [&] {
        while (::fcntl(fd_, F_OFD_SETLKW, &request) != 0)
            if (errno != EINTR) return errno;
        locked_ = true;
        return 0;
    };
    // The kernel's wait resumes after a signal: a wait that a stop may cut short never blocks in it.
    const bool stoppable = stop != nullptr;
    if (waitMilliseconds == kWaitForever && !onLongWait && !stoppable) return blockUntilGranted();

    // The kernel's wait cannot be given a time limit: until the notice is due (and to the end of a
    // limited or stoppable wait) the lock is asked for again at growing intervals.
    using Clock = std::chrono::steady_clock;
    const auto start = Clock::now();
    const auto noticeAt = start + std::chrono::milliseconds(kLongWaitMilliseconds);
    const auto deadline = start + std::chrono::milliseconds(waitMilliseconds);
    bool noticed = false;
    auto pause = std::chrono::milliseconds(1);
    for (;;) {
        if (::fcntl(fd_, F_OFD_SETLK, &request) == 0) {
            locked_ = true;
            return 0;
        }
        if (errno != EAGAIN && errno != EACCES && errno != EINTR) return errno;
        if (stoppable && stop->load()) return ECANCELED;
        const auto now = Clock::now();
        if (waitMilliseconds != kWaitForever && now >= deadline) return ETIMEDOUT;
        if (!noticed && now >= noticeAt) {
            noticed = true;
            if (onLongWait) onLongWait();
            if (waitMilliseconds == kWaitForever && !stoppable) return blockUntilGranted();
        }
        auto next = noticed ? deadline : noticeAt;
        if (waitMilliseconds != kWaitForever) next = std::min(next, deadline);
        std::this_thread::sleep_for(std::min<Clock::duration>(pause, next - now));
        pause = std::min(pause * 2, std::chrono::milliseconds(20));
    }
}

void LockFile::unlock() {
    if (!locked_) return;
    struct flock request = wholeFile(F_UNLCK);
    ::fcntl(fd_, F_OFD_SETLK, &request);
    locked_ = false;
}

}  // namespace z2k
