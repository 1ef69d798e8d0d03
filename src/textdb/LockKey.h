#pragma once
// The key that names the shared lock of a database file on every host: the path with every
// ASCII letter byte in lower case and every backslash an underscore. Folding bytes rather than
// characters never parts two spellings of one path (a code page folds a subset of these bytes),
// and processes with different code pages still meet on the same lock.
#include <cstdint>
#include <string>
#include <string_view>

namespace z2k {

std::string lockKey(std::string_view path);

// A digest of a key that spreads similar paths over its whole range: it stands for a key where
// the key itself cannot name the lock (a POSIX host's lock file, a name too long on Windows).
std::uint64_t lockKeyDigest(std::string_view key);

}  // namespace z2k
