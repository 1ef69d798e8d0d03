#include "paths/PathValidation.h"

#include <optional>
#include <string>

#include "paths/PathChars.h"
#include "paths/PathParts.h"
#include "platform/CodePage.h"
#include "platform/FileSystem.h"
#include "platform/FullPath.h"
#include "platform/Trace.h"

namespace z2k {
namespace {

constexpr std::size_t kMaxPath = 260;

// The remainder of a drive or machine path; nothing when the path is neither.
std::optional<std::string> rootRemainder(std::string_view path) {
    std::string drive, machine, remainder;
    if (ParseDrivePath(path, drive, remainder)) return remainder;
    remainder.clear();
    if (ParseMachinePath(path, machine, remainder)) return remainder;
    return std::nullopt;
}

}  // namespace

bool IsFullPath(std::string_view path) {
    // The expansion holds at most 260 bytes.
    const std::optional<std::string> full = expandFullPath(path, kMaxPath);
    if (full && *full == path) return true;
    trace("'%s' is invalid path\n", std::string(path).c_str());
    return false;
}

bool IsValidPathChars(std::string_view path) {
    if (path.empty() || HasForbiddenChars(path)) return false;
    const std::size_t colon = findChar(path, ':');
    if (colon != std::string_view::npos && findChar(path, ':', colon + 1) != std::string_view::npos)
        return false;
    return true;
}

bool IsValidFileName(std::string_view path) {
    const std::string text(path);
    // Characters are counted here; the full-path expansion limits the bytes.
    const std::size_t characters = charCount(path);
    if (characters < 4 || characters > kMaxPath || !IsValidPathChars(path)) {
        trace("Invalid File Name '%s'\n", text.c_str());
        return false;
    }
    const std::optional<std::string> remainder = rootRemainder(path);
    if (!remainder) {
        trace("No drive/machine in File Name '%s'\n", text.c_str());
        return false;
    }
    if (!IsFullPath(path) || remainder->empty() || *remainder == "\\") {
        trace("Invalid File Name '%s'\n", text.c_str());
        return false;
    }
    return true;
}

bool IsValidDirectoryName(std::string_view path) {
    const std::string text(path);
    // At least 3 characters, at most 260 bytes.
    if (charCount(path) < 3 || path.size() > kMaxPath || !IsValidPathChars(path)) {
        trace("Invalid Directory Name '%s'\n", text.c_str());
        return false;
    }
    const std::optional<std::string> remainder = rootRemainder(path);
    if (!remainder) {
        trace("No drive/machine in Directory Name '%s'\n", text.c_str());
        return false;
    }
    if (!IsFullPath(path)) {
        trace("Invalid Directory Name '%s'\n", text.c_str());
        return false;
    }
    const std::size_t last = LastChar(path);
    if (path[last] == '\\' && path.size() - last == 1 && !remainder->empty()) {
        trace("Invalid - backslash on the end and not root in Directory Name '%s'\n", text.c_str());
        return false;
    }
    return true;
}

bool FileExists(std::string_view path) {
    if (!IsValidFileName(path)) return false;
    const AttributeResult result = getFileAttributes(path);
    return result.ok && (result.attributes & kAttributeDirectory) == 0;
}

bool DirectoryExists(std::string_view path) {
    if (!IsValidDirectoryName(path)) return false;
    const AttributeResult result = getFileAttributes(path);
    return result.ok && (result.attributes & kAttributeDirectory) != 0;
}

}  // namespace z2k
