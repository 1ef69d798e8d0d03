#pragma once
// Windows hosts only: the many-readers/one-writer lock of a database file made of three named
// kernel objects, shared by name with every process that opens the same file through them:
//   "DBMutexNoWriter" + key   mutex, not owned on creation; held by a writer, and briefly while
//                             a reader comes or goes
//   "DBEventNoReaders" + key  manual-reset event, signalled on creation; set while no reader is in
//   "DBSemNumReaders" + key   semaphore, 0 to 0x7FFFFFFF; the number of readers in
// Each object is created, or opened when it exists, for one take-and-release pair and closed
// after it. A reader takes the mutex, counts itself in (resetting the event when it is the
// first) and gives the mutex back; it leaves holding the mutex and the count together, and the
// last one out sets the event. A writer holds the mutex and the event together until it is done.
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace z2k {

class KernelObjectLock {
  public:
    static constexpr std::uint32_t kWaitForever = 0xFFFFFFFF;
    static constexpr std::uint32_t kLongWaitMilliseconds = 2000;
    static constexpr const char* kPrefixes[3] = {"DBMutexNoWriter", "DBEventNoReaders", "DBSemNumReaders"};

    enum class Outcome { Granted, TimedOut, Stopped, Failed };
    struct Result {
        Outcome outcome = Outcome::Failed;
        unsigned long error = 0;  // the Win32 error when Failed
        std::unique_ptr<KernelObjectLock> lock;
    };

    // Takes the lock for reading or writing under the names prefix + suffix, waiting at most
    // waitMilliseconds. A wait not granted within kLongWaitMilliseconds calls onLongWait (when
    // set) once and goes on; while stop (when given) is set, a lock that is not free is not
    // waited for.
    static Result acquire(const std::string& suffix, bool exclusive, std::uint32_t waitMilliseconds,
                          const std::function<void()>& onLongWait, const std::atomic<bool>* stop);

    // Releases as a reader or as the writer, and closes the three objects.
    ~KernelObjectLock();
    KernelObjectLock(const KernelObjectLock&) = delete;
    KernelObjectLock& operator=(const KernelObjectLock&) = delete;

  private:
    KernelObjectLock() = default;
    void close();
    bool exclusive_ = false;
    bool held_ = false;  // only a granted lock is released
    void* writerMutex_ = nullptr;
    void* noReaders_ = nullptr;
    void* readerCount_ = nullptr;
};

}  // namespace z2k
