#include "textdb/SharedLock.h"

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/LockFile.h"
#include "textdb/LockKey.h"

namespace z2k {

namespace {

std::string waitText(std::uint32_t milliseconds) {
    if (milliseconds % 1000 == 0) return std::to_string(milliseconds / 1000) + " s";
    return std::to_string(milliseconds) + " ms";
}

void fail(FileFailure* failure, std::string path, std::string reason) {
    if (failure != nullptr) *failure = FileFailure{std::move(path), std::move(reason)};
}

}  // namespace

std::string SharedLock::lockFolder() {
    // A relative runtime folder would change with the current folder: it is ignored, as the
    // variable's own rules ask.
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime != nullptr && runtime[0] == '/') {
        std::string folder(runtime);
        while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
        return (folder == "/" ? "" : folder) + "/zat2kor";
    }
    return "/tmp/zat2kor-" + std::to_string(::getuid());
}

std::string SharedLock::lockFileName(std::string_view path) {
    const std::string key = lockKey(path);
    char name[16];
    std::snprintf(name, sizeof name, "lock-%03x", static_cast<unsigned>(lockKeyDigest(key) % kLockFileCount));
    return name;
}

struct SharedLock::Held {
    std::unique_ptr<LockFile> file;
};

SharedLock::SharedLock(std::unique_ptr<Held> held) : held_(std::move(held)) {}

SharedLock::~SharedLock() {
    if (held_ && held_->file) held_->file->unlock();
}

std::unique_ptr<SharedLock> SharedLock::acquire(std::string_view path, bool exclusive,
                                                const LockPolicy& policy, FileFailure* failure) {
    const std::string folder = lockFolder();
    if (std::string problem = LockFile::checkPrivateFolder(folder); !problem.empty()) {
        fail(failure, folder, std::move(problem));
        return nullptr;
    }
    const std::string hostPath = folder + "/" + lockFileName(path);
    std::string problem;
    std::unique_ptr<LockFile> file = LockFile::open(hostPath, problem);
    if (!file) {
        fail(failure, hostPath, std::move(problem));
        return nullptr;
    }
    std::function<void()> onLongWait;
    if (policy.longWaitNotice) {
        onLongWait = [&] {
            policy.longWaitNotice("Waiting for " + std::string(path) + ": another process holds its lock (" +
                                  hostPath + ")");
        };
    }
    const int error = file->lock(exclusive, policy.waitMilliseconds, onLongWait, policy.stop);
    if (error == ETIMEDOUT) {
        fail(failure, std::string(path),
             "another process holds its lock (" + hostPath + "); gave up waiting after " +
                 waitText(policy.waitMilliseconds));
        return nullptr;
    }
    if (error == ECANCELED) {
        fail(failure, std::string(path),
             "another process holds its lock (" + hostPath +
                 "); gave up waiting when the run was asked to stop");
        return nullptr;
    }
    if (error != 0) {
        fail(failure, hostPath, std::string("the lock cannot be taken: ") + std::strerror(error));
        return nullptr;
    }
    return std::unique_ptr<SharedLock>(new SharedLock(std::make_unique<Held>(Held{std::move(file)})));
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
    return acquire(path, false, LockPolicy{waitMilliseconds, {}}, nullptr);
}

std::unique_ptr<SharedLock> SharedLock::acquireWrite(std::string_view path, std::uint32_t waitMilliseconds) {
    return acquire(path, true, LockPolicy{waitMilliseconds, {}}, nullptr);
}

void SharedLock::releaseRead(std::unique_ptr<SharedLock> lock) {
    lock.reset();
}

void SharedLock::releaseWrite(std::unique_ptr<SharedLock> lock) {
    lock.reset();
}

}  // namespace z2k
