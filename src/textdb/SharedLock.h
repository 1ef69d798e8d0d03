#pragma once
// The cross-process reader/writer lock over one database file: readers overlap, a writer is
// alone. Every process that names the same file, in any letter case, shares one lock. It is
// built on open-file-description locks over one lock file per key in the fixed folder
// /tmp/zat2kor-locks (created with mode 1777 when missing; lock files are created 0666 and
// opened without following links). The key is the path lower-cased with every backslash
// turned into an underscore; a key too long for a file name is replaced by a digest of it, so
// every path is guarded. The kernel releases the lock when its holder dies.
//
// Never ask for the write lock of a file while holding a read lock of the same file: the wait
// would never end.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace z2k {

class LockFile;

// The wait time that means no time-out.
inline constexpr std::uint32_t kInfiniteLockWait = 0xFFFFFFFF;

class SharedLock {
  public:
    // The lock for reading or writing, or nothing when the wait ran out or the lock file could
    // not be opened (the database layer reports code 4, lock not obtained).
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

    // The folder of the lock files.
    static std::string lockFolder();
    // The lock file name (without folder) that guards a path.
    static std::string lockFileName(std::string_view path);

  private:
    explicit SharedLock(std::unique_ptr<LockFile> file);
    std::unique_ptr<LockFile> file_;
};

}  // namespace z2k
