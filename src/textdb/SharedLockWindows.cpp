// The shared lock on a Windows host: the desktop's named kernel objects (platform/KernelObjectLock).
#include "textdb/SharedLock.h"

#include <algorithm>
#include <cstdio>
#include <string>

#include "platform/KernelObjectLock.h"
#include "textdb/LockKey.h"

namespace z2k {

namespace {

// Object names stay below this many characters, as the desktop's programs make them.
constexpr std::size_t kNameLimit = 100;

std::string waitText(std::uint32_t milliseconds) {
    if (milliseconds % 1000 == 0) return std::to_string(milliseconds / 1000) + " s";
    return std::to_string(milliseconds) + " ms";
}

void fail(FileFailure* failure, std::string path, std::string reason) {
    if (failure != nullptr) *failure = FileFailure{std::move(path), std::move(reason)};
}

// The key as the names' suffix; a key too long for the longest prefix gives way to its digest,
// so that a long path is still guarded (only programs that make the same digest share it then).
std::string nameSuffix(std::string_view path) {
    std::string key = lockKey(path);
    std::size_t longestPrefix = 0;
    for (const char* prefix : KernelObjectLock::kPrefixes)
        longestPrefix = std::max(longestPrefix, std::char_traits<char>::length(prefix));
    if (longestPrefix + key.size() < kNameLimit) return key;
    char digest[24];
    std::snprintf(digest, sizeof digest, "_%016llx", static_cast<unsigned long long>(lockKeyDigest(key)));
    return digest;
}

}  // namespace

struct SharedLock::Held {
    std::unique_ptr<KernelObjectLock> objects;
};

SharedLock::SharedLock(std::unique_ptr<Held> held) : held_(std::move(held)) {}

SharedLock::~SharedLock() = default;

std::unique_ptr<SharedLock> SharedLock::acquire(std::string_view path, bool exclusive, const LockPolicy& policy,
                                                FileFailure* failure) {
    const std::string suffix = nameSuffix(path);
    const std::string objects = std::string(KernelObjectLock::kPrefixes[0]) + suffix;
    std::function<void()> onLongWait;
    if (policy.longWaitNotice) {
        onLongWait = [&] {
            policy.longWaitNotice("Waiting for " + std::string(path) + ": another process holds its lock (" +
                                  objects + ")");
        };
    }
    KernelObjectLock::Result result =
        KernelObjectLock::acquire(suffix, exclusive, policy.waitMilliseconds, onLongWait, policy.stop);
    switch (result.outcome) {
        case KernelObjectLock::Outcome::Granted:
            return std::unique_ptr<SharedLock>(new SharedLock(std::make_unique<Held>(Held{std::move(result.lock)})));
        case KernelObjectLock::Outcome::TimedOut:
            fail(failure, std::string(path),
                 "another process holds its lock (" + objects + "); gave up waiting after " +
                     waitText(policy.waitMilliseconds));
            break;
        case KernelObjectLock::Outcome::Stopped:
            fail(failure, std::string(path),
                 "another process holds its lock (" + objects + "); gave up waiting when the run was asked to stop");
            break;
        case KernelObjectLock::Outcome::Failed:
            fail(failure, objects, "the lock cannot be taken: Windows error " + std::to_string(result.error));
            break;
    }
    return nullptr;
}

std::unique_ptr<SharedLock> SharedLock::acquireRead(std::string_view path, const LockPolicy& policy,
                                                    FileFailure* failure) {
    return acquire(path, false, policy, failure);
}

std::unique_ptr<SharedLock> SharedLock::acquireWrite(std::string_view path, const LockPolicy& policy,
                                                     FileFailure* failure) {
    return acquire(path, true, policy, failure);
}

std::unique_ptr<SharedLock> SharedLock::acquireRead(std::string_view path, std::uint32_t waitMilliseconds) {
    return acquire(path, false, LockPolicy{waitMilliseconds, {}, nullptr}, nullptr);
}

std::unique_ptr<SharedLock> SharedLock::acquireWrite(std::string_view path, std::uint32_t waitMilliseconds) {
    return acquire(path, true, LockPolicy{waitMilliseconds, {}, nullptr}, nullptr);
}

void SharedLock::releaseRead(std::unique_ptr<SharedLock> lock) {
    lock.reset();
}

void SharedLock::releaseWrite(std::unique_ptr<SharedLock> lock) {
    lock.reset();
}

}  // namespace z2k
