#include "textdb/SharedLock.h"

#include <cstdio>

#include "platform/CodePage.h"
#include "platform/LockFile.h"

namespace z2k {

namespace {

// Lock file names stay well inside the host's 255-byte limit for one name.
constexpr std::size_t kLongestName = 200;

std::uint64_t fnv1a(std::string_view bytes, std::uint64_t basis) {
    std::uint64_t hash = basis;
    for (unsigned char c : bytes) {
        hash ^= c;
        hash *= 0x100000001b3ULL;
    }
    return hash;
}

std::uint64_t mix(std::uint64_t x) {
    x ^= x >> 30;
    x *= 0xbf58476d1ce4e5b9ULL;
    x ^= x >> 27;
    x *= 0x94d049bb133111ebULL;
    x ^= x >> 31;
    return x;
}

// A 128-bit digest of the key. Two keys that meet in it share one lock, which only makes one of
// them wait longer than it had to: the database layer never holds two locks at once.
std::string digest(std::string_view key) {
    std::uint64_t first = fnv1a(key, 0xcbf29ce484222325ULL);
    std::uint64_t second = 0x9e3779b97f4a7c15ULL ^ key.size();
    for (unsigned char c : key) second = mix(second + c);
    char text[40];
    std::snprintf(text, sizeof text, "%016llx%016llx", static_cast<unsigned long long>(mix(first)),
                  static_cast<unsigned long long>(second));
    return text;
}

std::unique_ptr<LockFile> openLockFile(std::string_view path) {
    std::string folder = SharedLock::lockFolder();
    if (!LockFile::ensureSharedFolder(folder)) return nullptr;
    return LockFile::open(folder + "/" + SharedLock::lockFileName(path));
}

}  // namespace

std::string SharedLock::lockFolder() {
    return "/tmp/zat2kor-locks";
}

std::string SharedLock::lockFileName(std::string_view path) {
    // The key: the path in lower case, every backslash an underscore.
    std::string key = toLowerText(path);
    for (char& c : key)
        if (c == '\\') c = '_';
    std::string name = "db-";
    for (unsigned char c : key) {
        if (c == '/' || c == '%' || c < 0x20 || c == 0x7F) {
            char escaped[4];
            std::snprintf(escaped, sizeof escaped, "%%%02x", c);
            name += escaped;
        } else {
            name.push_back(static_cast<char>(c));
        }
    }
    if (name.size() > kLongestName) name = "db-digest-" + digest(key);
    return name;
}

SharedLock::SharedLock(std::unique_ptr<LockFile> file) : file_(std::move(file)) {}

SharedLock::~SharedLock() {
    if (file_) file_->unlock();
}

std::unique_ptr<SharedLock> SharedLock::acquireRead(std::string_view path, std::uint32_t waitMilliseconds) {
    auto file = openLockFile(path);
    if (!file || !file->lock(false, waitMilliseconds)) return nullptr;
    return std::unique_ptr<SharedLock>(new SharedLock(std::move(file)));
}

std::unique_ptr<SharedLock> SharedLock::acquireWrite(std::string_view path, std::uint32_t waitMilliseconds) {
    auto file = openLockFile(path);
    if (!file || !file->lock(true, waitMilliseconds)) return nullptr;
    return std::unique_ptr<SharedLock>(new SharedLock(std::move(file)));
}

void SharedLock::releaseRead(std::unique_ptr<SharedLock> lock) {
    lock.reset();
}

void SharedLock::releaseWrite(std::unique_ptr<SharedLock> lock) {
    lock.reset();
}

}  // namespace z2k
