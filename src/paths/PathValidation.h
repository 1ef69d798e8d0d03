#pragma once
// Whether a text is a well-formed absolute file or directory name, and whether it exists.
#include <string_view>

namespace z2k {

// True when the full-path expansion of path (at most 260 bytes) gives it back byte for byte.
bool IsFullPath(std::string_view path);
// False for an empty text or one with a forbidden character or a second ':'.
bool IsValidPathChars(std::string_view path);
// 4 to 260 characters, valid characters, a drive or machine path, full, and a remainder that
// is neither empty nor a single '\'.
bool IsValidFileName(std::string_view path);
// At least 3 characters and at most 260 bytes, valid characters, a drive or machine path, full,
// and no trailing '\' unless the path is a root.
bool IsValidDirectoryName(std::string_view path);
// A valid file name whose attributes can be read and do not say directory.
bool FileExists(std::string_view path);
// A valid directory name whose attributes can be read and say directory.
bool DirectoryExists(std::string_view path);

}  // namespace z2k
