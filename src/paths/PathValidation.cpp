#include "paths/PathValidation.h"

#include <optional>
#include <string>

#include "paths/PathChars.h"
#include "paths/PathParts.h"
#include "platform/FileSystem.h"
#include "platform/FullPath.h"

namespace z2k {
namespace {

constexpr std::size_t kMaxPath = 260;

// The remainder of a drive or machine path; nothing when the path is neither.
std::optional<std::string> rootRemainder(std::string_view path, CodePage page) {
    std::string drive, machine, remainder;
    if (parseDrivePath(path, page, drive, remainder)) return remainder;
    remainder.clear();
    if (parseMachinePath(path, page, machine, remainder)) return remainder;
    return std::nullopt;
}

}  // namespace

bool isFullPath(std::string_view path, const HostSettings& settings) {
    // The expansion holds at most 260 bytes.
    const std::optional<std::string> full = expandFullPath(path, settings, kMaxPath);
    return full && *full == path;
}

bool isValidPathChars(std::string_view path, CodePage page) {
    if (path.empty() || hasForbiddenChars(path, page)) return false;
    const std::size_t colon = findChar(path, ':', 0, page);
    return colon == std::string_view::npos || findChar(path, ':', colon + 1, page) == std::string_view::npos;
}

bool isValidFileName(std::string_view path, const HostSettings& settings) {
    const CodePage page = settings.codePage;
    // Characters are counted here; the full-path expansion limits the bytes.
    const std::size_t characters = charCount(path, page);
    if (characters < 4 || characters > kMaxPath || !isValidPathChars(path, page)) return false;
    const std::optional<std::string> remainder = rootRemainder(path, page);
    return remainder && isFullPath(path, settings) && !remainder->empty() && *remainder != "\\";
}

bool isValidDirectoryName(std::string_view path, const HostSettings& settings) {
    const CodePage page = settings.codePage;
    // At least 3 characters, at most 260 bytes.
    if (charCount(path, page) < 3 || path.size() > kMaxPath || !isValidPathChars(path, page)) return false;
    const std::optional<std::string> remainder = rootRemainder(path, page);
    if (!remainder || !isFullPath(path, settings)) return false;
    const std::size_t last = lastChar(path, page);
    return !(path[last] == '\\' && path.size() - last == 1 && !remainder->empty());
}

bool fileExists(std::string_view path, const HostSettings& settings) {
    if (!isValidFileName(path, settings)) return false;
    const AttributeResult result = getFileAttributes(path, settings);
    return result.ok && (result.attributes & kAttributeDirectory) == 0;
}

bool directoryExists(std::string_view path, const HostSettings& settings) {
    if (!isValidDirectoryName(path, settings)) return false;
    const AttributeResult result = getFileAttributes(path, settings);
    return result.ok && (result.attributes & kAttributeDirectory) != 0;
}

}  // namespace z2k
