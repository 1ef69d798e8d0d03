#include "platform/LockFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <thread>

namespace z2k {

bool LockFile::ensureSharedFolder(const std::string& hostFolder) {
    struct stat info {};
    if (::lstat(hostFolder.c_str(), &info) != 0) {
        if (errno != ENOENT) return false;
        if (::mkdir(hostFolder.c_str(), 01777) == 0) {
            // The process's file-creation mask may have taken bits away.
            ::chmod(hostFolder.c_str(), 01777);
        } else if (errno != EEXIST) {
            return false;
        }
        if (::lstat(hostFolder.c_str(), &info) != 0) return false;
    }
    return S_ISDIR(info.st_mode);
}

std::unique_ptr<LockFile> LockFile::open(const std::string& hostPath) {
    int fd = ::open(hostPath.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd < 0 && errno == EACCES) {
        // A lock file made by another user without write permission still carries read locks.
        fd = ::open(hostPath.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    }
    if (fd < 0) return nullptr;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return nullptr;
    }
    if (info.st_uid == ::geteuid() && (info.st_mode & 0666) != 0666) ::fchmod(fd, 0666);
    return std::unique_ptr<LockFile>(new LockFile(fd));
}

LockFile::~LockFile() {
    if (fd_ >= 0) ::close(fd_);
}

bool LockFile::lock(bool exclusive, std::uint32_t waitMilliseconds) {
    struct flock request {};
    request.l_type = static_cast<short>(exclusive ? F_WRLCK : F_RDLCK);
    request.l_whence = SEEK_SET;
    request.l_start = 0;
    request.l_len = 0;
    request.l_pid = 0;
    if (waitMilliseconds == kWaitForever) {
        while (::fcntl(fd_, F_OFD_SETLKW, &request) != 0) {
            if (errno != EINTR) return false;
        }
        locked_ = true;
        return true;
    }
    auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(waitMilliseconds);
    for (;;) {
        if (::fcntl(fd_, F_OFD_SETLK, &request) == 0) {
            locked_ = true;
            return true;
        }
        if (errno != EAGAIN && errno != EACCES && errno != EINTR) return false;
        if (std::chrono::steady_clock::now() >= deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
}

void LockFile::unlock() {
    if (!locked_) return;
    struct flock request {};
    request.l_type = F_UNLCK;
    request.l_whence = SEEK_SET;
    request.l_start = 0;
    request.l_len = 0;
    request.l_pid = 0;
    ::fcntl(fd_, F_OFD_SETLK, &request);
    locked_ = false;
}

}  // namespace z2k
