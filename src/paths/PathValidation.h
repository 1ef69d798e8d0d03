#pragma once
// Whether a text is a well-formed absolute file or directory name, and whether it exists.
#include <string_view>

#include "platform/CodePage.h"
#include "platform/HostSettings.h"

namespace z2k {

// True when the full-path expansion of path (at most 260 bytes) gives it back byte for byte.
bool isFullPath(std::string_view path, const HostSettings& settings);
// False for an empty text or one with a forbidden character or a second ':'.
bool isValidPathChars(std::string_view path, CodePage page);
// 4 to 260 characters, valid characters, a drive or machine path, full, and a remainder that
// is neither empty nor a single '\'.
bool isValidFileName(std::string_view path, const HostSettings& settings);
// At least 3 characters and at most 260 bytes, valid characters, a drive or machine path, full,
// and no trailing '\' unless the path is a root.
bool isValidDirectoryName(std::string_view path, const HostSettings& settings);
// A valid file name whose attributes can be read and do not say directory.
bool fileExists(std::string_view path, const HostSettings& settings);
// A valid directory name whose attributes can be read and say directory.
bool directoryExists(std::string_view path, const HostSettings& settings);

}  // namespace z2k
