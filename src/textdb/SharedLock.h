#pragma once
// The cross-process reader/writer lock over one database file: readers overlap, a writer is
// alone. Every process of the running user that names the same file, in any letter case, shares
// one lock; between users no lock is shared (the atomic replace of a saved file alone keeps each
// file whole for them).
//
// It is built on open-file-description locks over lock files in a folder private to the user:
// $XDG_RUNTIME_DIR/zat2kor when that variable holds an absolute path, else /tmp/zat2kor-UID
// (UID the real user id), created 0700 when missing and refused unless it is a real folder of
// the user that nobody else may write. The key (the path lower-cased, every backslash an
// underscore) is digested to pick one of 4,096 lock files, so the folder never grows past that;
// two keys that share a file only wait for each other, which is harmless because the database
// layer never holds two locks at once. The kernel releases the lock when its holder dies.
//
// On Windows the lock is the one the desktop's programs share: the three named kernel objects
// "DBMutexNoWriter", "DBEventNoReaders" and "DBSemNumReaders" followed by the key, so that this
// program waits for, and is waited for by, every other program that opens the same file through
// them. A name that would reach 100 characters uses the key's digest in its place.
//
// Never ask for the write lock of a file while holding a read lock of the same file: the wait
// would never end.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "platform/FileFailure.h"
#include "textdb/LockPolicy.h"

namespace z2k {

class SharedLock {
  public:
    // The number of lock files the folder can hold.
    static constexpr unsigned kLockFileCount = 4096;

    // The lock for reading or writing, or nothing when the wait ran out or the lock folder or
    // lock file cannot be used (the database layer reports code 4, lock not obtained); failure,
    // when given, then receives the path and the reason.
    static std::unique_ptr<SharedLock> acquireRead(std::string_view path, const LockPolicy& policy,
                                                   FileFailure* failure = nullptr);
    static std::unique_ptr<SharedLock> acquireWrite(std::string_view path, const LockPolicy& policy,
                                                    FileFailure* failure = nullptr);
    static std::unique_ptr<SharedLock> acquireRead(std::string_view path,
                                                   std::uint32_t waitMilliseconds = kInfiniteLockWait);
    static std::unique_ptr<SharedLock> acquireWrite(std::string_view path,
                                                    std::uint32_t waitMilliseconds = kInfiniteLockWait);
    // Give the lock back and destroy the object (destroying it does the same).
    static void releaseRead(std::unique_ptr<SharedLock> lock);
    static void releaseWrite(std::unique_ptr<SharedLock> lock);

    ~SharedLock();
    SharedLock(const SharedLock&) = delete;
    SharedLock& operator=(const SharedLock&) = delete;

    // POSIX hosts: the host folder of the lock files, as the environment names it now.
    static std::string lockFolder();
    // The lock file name (without folder) that guards a path.
    static std::string lockFileName(std::string_view path);

  private:
    // What holds the lock on this host: a lock file, or the named kernel objects on Windows.
    struct Held;
    explicit SharedLock(std::unique_ptr<Held> held);
    static std::unique_ptr<SharedLock> acquire(std::string_view path, bool exclusive,
                                               const LockPolicy& policy, FileFailure* failure);
    std::unique_ptr<Held> held_;
};

}  // namespace z2k
