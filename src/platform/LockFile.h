#pragma once
// A lock file on the host: an open file description that carries a shared or exclusive lock
// over the whole file (fcntl open-file-description locks). Locks of two descriptions conflict
// even inside one process; the kernel drops a lock when its description is closed, also when the
// holding process dies.
#include <cstdint>
#include <memory>
#include <string>

namespace z2k {

class LockFile {
  public:
    // The wait that never runs out.
    static constexpr std::uint32_t kWaitForever = 0xFFFFFFFF;

    // Makes sure the folder exists (created with mode 1777 when missing, so that every user
    // shares it) and is a real folder, not a link. False when it cannot be used.
    static bool ensureSharedFolder(const std::string& hostFolder);

    // Opens the lock file at a host path, creating it with mode 0666 when missing; a link in
    // its place is not followed. Nothing when it cannot be opened.
    static std::unique_ptr<LockFile> open(const std::string& hostPath);

    ~LockFile();
    LockFile(const LockFile&) = delete;
    LockFile& operator=(const LockFile&) = delete;

    // Takes the lock, shared or exclusive, waiting at most waitMilliseconds (kWaitForever: no
    // limit). False when the wait ran out or the lock cannot be taken.
    bool lock(bool exclusive, std::uint32_t waitMilliseconds);
    void unlock();

  private:
    explicit LockFile(int descriptor) : fd_(descriptor) {}
    int fd_;
    bool locked_ = false;
};

}  // namespace z2k
