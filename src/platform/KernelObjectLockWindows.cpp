#include "platform/KernelObjectLock.h"

#include <windows.h>

#include <algorithm>

namespace z2k {

namespace {

constexpr LONG kMaximumReaders = 0x7FFFFFFF;

bool granted(DWORD wait, DWORD count) {
    // An abandoned mutex (its holder died) is owned by the waiter like any other.
    return wait < WAIT_OBJECT_0 + count || (wait >= WAIT_ABANDONED_0 && wait < WAIT_ABANDONED_0 + count);
}

// Waits for all the handles, in slices where a notice or a stop must be looked at meanwhile.
// WAIT_TIMEOUT when the wait ran out or was stopped (stopped then says which).
DWORD waitForAll(const HANDLE* handles, DWORD count, std::uint32_t waitMilliseconds,
                 const std::function<void()>& onLongWait, const std::atomic<bool>* stop, bool& stopped) {
    const ULONGLONG start = ::GetTickCount64();
    bool noticed = !onLongWait;
    for (;;) {
        const ULONGLONG elapsed = ::GetTickCount64() - start;
        ULONGLONG slice = INFINITE;
        if (waitMilliseconds != INFINITE) slice = elapsed >= waitMilliseconds ? 0 : waitMilliseconds - elapsed;
        if (!noticed) slice = std::min<ULONGLONG>(slice, elapsed >= KernelObjectLock::kLongWaitMilliseconds
                                                             ? 0
                                                             : KernelObjectLock::kLongWaitMilliseconds - elapsed);
        if (stop != nullptr) slice = std::min<ULONGLONG>(slice, 20);
        const DWORD result = ::WaitForMultipleObjects(count, handles, TRUE, static_cast<DWORD>(slice));
        if (result != WAIT_TIMEOUT) return result;
        const ULONGLONG now = ::GetTickCount64() - start;
        if (waitMilliseconds != INFINITE && now >= waitMilliseconds) return WAIT_TIMEOUT;
        if (stop != nullptr && stop->load()) {
            stopped = true;
            return WAIT_TIMEOUT;
        }
        if (!noticed && now >= KernelObjectLock::kLongWaitMilliseconds) {
            noticed = true;
            onLongWait();
        }
    }
}

}  // namespace

KernelObjectLock::Result KernelObjectLock::acquire(const std::string& suffix, bool exclusive,
                                                   std::uint32_t waitMilliseconds,
                                                   const std::function<void()>& onLongWait,
                                                   const std::atomic<bool>* stop) {
    Result result;
    std::unique_ptr<KernelObjectLock> lock(new KernelObjectLock());
    lock->exclusive_ = exclusive;
    // The ANSI names, byte for byte as the desktop's programs make them.
    lock->writerMutex_ = ::CreateMutexA(nullptr, FALSE, (kPrefixes[0] + suffix).c_str());
    lock->noReaders_ = ::CreateEventA(nullptr, TRUE, TRUE, (kPrefixes[1] + suffix).c_str());
    lock->readerCount_ = ::CreateSemaphoreA(nullptr, 0, kMaximumReaders, (kPrefixes[2] + suffix).c_str());
    if (!lock->writerMutex_ || !lock->noReaders_ || !lock->readerCount_) {
        result.error = ::GetLastError();
        return result;
    }
    const HANDLE mutex = lock->writerMutex_;
    const HANDLE handles[2] = {mutex, exclusive ? lock->noReaders_ : mutex};
    bool stopped = false;
    const DWORD wait = waitForAll(handles, exclusive ? 2 : 1, waitMilliseconds, onLongWait, stop, stopped);
    if (wait == WAIT_TIMEOUT) {
        result.outcome = stopped ? Outcome::Stopped : Outcome::TimedOut;
        return result;
    }
    if (!granted(wait, exclusive ? 2 : 1)) {
        result.error = ::GetLastError();
        return result;
    }
    if (!exclusive) {
        LONG before = 0;
        ::ReleaseSemaphore(lock->readerCount_, 1, &before);
        if (before == 0) ::ResetEvent(lock->noReaders_);
        ::ReleaseMutex(mutex);
    }
    lock->held_ = true;
    result.outcome = Outcome::Granted;
    result.lock = std::move(lock);
    return result;
}

KernelObjectLock::~KernelObjectLock() {
    if (held_) {
        if (exclusive_) {
            ::ReleaseMutex(writerMutex_);
        } else {
            const HANDLE both[2] = {writerMutex_, readerCount_};
            if (granted(::WaitForMultipleObjects(2, both, TRUE, INFINITE), 2)) {
                // The wait took one off the count; a count that is then empty was this reader's.
                if (::WaitForSingleObject(readerCount_, 0) == WAIT_TIMEOUT)
                    ::SetEvent(noReaders_);
                else
                    ::ReleaseSemaphore(readerCount_, 1, nullptr);
                ::ReleaseMutex(writerMutex_);
            }
        }
    }
    close();
}

void KernelObjectLock::close() {
    for (void* handle : {writerMutex_, noReaders_, readerCount_})
        if (handle) ::CloseHandle(handle);
}

}  // namespace z2k
