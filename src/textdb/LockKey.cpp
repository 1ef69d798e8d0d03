#include "textdb/LockKey.h"

#include "platform/CodePage.h"

namespace z2k {

std::string lockKey(std::string_view path) {
    std::string key = toLowerText(path, CodePage::SingleByte);
    for (char& c : key)
        if (c == '\\') c = '_';
    return key;
}

// FNV-1a over the key, then a finaliser.
std::uint64_t lockKeyDigest(std::string_view key) {
    std::uint64_t hash = 0xcbf29ce484222325ULL;
    for (unsigned char c : key) {
        hash ^= c;
        hash *= 0x100000001b3ULL;
    }
    hash ^= hash >> 30;
    hash *= 0xbf58476d1ce4e5b9ULL;
    hash ^= hash >> 27;
    hash *= 0x94d049bb133111ebULL;
    hash ^= hash >> 31;
    return hash;
}

}  // namespace z2k
