#pragma once
// A lock file on the host: an open file description that carries a shared or exclusive lock
// over the whole file (fcntl open-file-description locks). Locks of two descriptions conflict
// even inside one process; the kernel drops a lock when its description is closed, also when the
// holding process dies.
//
// Lock files live in a folder private to the running user: nobody else may be able to create,
// replace or link files in it, so a lock file can never be a trap laid by another user.
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace z2k {

class LockFile {
  public:
    // The wait that never runs out.
    static constexpr std::uint32_t kWaitForever = 0xFFFFFFFF;
    // A wait longer than this is announced once.
    static constexpr std::uint32_t kLongWaitMilliseconds = 2000;

    // Makes sure the folder exists (created with mode 0700 when missing) and that lstat shows a
    // real folder, not a link, owned by the running user, without group or other write
    // permission. Empty when it can be used, else what is wrong, in words.
    static std::string checkPrivateFolder(const std::string& hostFolder);

    // Opens the lock file at a host path in a checked folder, creating it with mode 0600 when
    // missing. It must be a regular file of the running user with one link; a link in its place
    // is not followed. Its mode is never changed. Nothing when it cannot be used; problem then
    // says why, in words.
    static std::unique_ptr<LockFile> open(const std::string& hostPath, std::string& problem);

    ~LockFile();
    LockFile(const LockFile&) = delete;
    LockFile& operator=(const LockFile&) = delete;

    // Takes the lock, shared or exclusive, waiting at most waitMilliseconds (kWaitForever: no
    // limit). When the lock is not granted within kLongWaitMilliseconds, onLongWait (if set) is
    // called once and the wait goes on. While stop (if given) is set, a lock that is not free is
    // not waited for. 0 when granted, ETIMEDOUT when the wait ran out, ECANCELED when it was
    // stopped, else the errno that stopped it.
    int lock(bool exclusive, std::uint32_t waitMilliseconds, const std::function<void()>& onLongWait = {},
             const std::atomic<bool>* stop = nullptr);
    void unlock();

  private:
    explicit LockFile(int descriptor) : fd_(descriptor) {}
    int fd_;
    bool locked_ = false;
};

}  // namespace z2k
