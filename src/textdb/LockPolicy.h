#pragma once
// How long the database layer waits for the cross-process lock of a file, and whom it tells
// when a wait grows long. Made by the front end and handed down through the readers and writers
// to every TextDatabase.
#include <atomic>
#include <cstdint>
#include <functional>
#include <string>

namespace z2k {

// The wait time that means no time-out.
inline constexpr std::uint32_t kInfiniteLockWait = 0xFFFFFFFF;

struct LockPolicy {
    // Give up after this long (the lock is then not obtained, code 4).
    std::uint32_t waitMilliseconds = kInfiniteLockWait;
    // Told once per wait, with a line that names the file waited for, when the lock was not
    // granted within two seconds; the wait goes on.
    std::function<void(const std::string& notice)> longWaitNotice;
    // When set (a stop was asked for), a lock that another process holds is not waited for: the
    // lock is then not obtained. A free lock is still taken, so that a stopped run can finish
    // what it must write.
    const std::atomic<bool>* stop = nullptr;
};

}  // namespace z2k
