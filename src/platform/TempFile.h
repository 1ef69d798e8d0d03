#pragma once
#include <string>

namespace z2k {

// The system temporary folder in system form (Z:\tmp for /tmp, or $TMPDIR), without a
// trailing backslash.
std::string temporaryFolder();
// A new, unique temporary file name in that folder (the file is created empty, like the
// desktop's temporary-name call), in system form: at most the first three characters of prefix,
// a unique part and ".tmp". Empty when no file could be created.
std::string temporaryFileName(const std::string& prefix);

}  // namespace z2k
