#include "platform/FullPath.h"

#include <vector>

#include "platform/CodePage.h"
#include "platform/HostPaths.h"

namespace z2k {
namespace {

bool isLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// The names between separators, by whole characters; empty names are left out, which collapses
// runs of separators.
std::vector<std::string_view> splitNames(std::string_view s, CodePage page) {
    std::vector<std::string_view> names;
    std::size_t start = 0;
    for (std::size_t pos = 0; pos < s.size();) {
        const std::size_t len = charLength(s, pos, page);
        if (len == 1 && s[pos] == '\\') {
            if (pos > start) names.push_back(s.substr(start, pos - start));
            start = pos + 1;
        }
        pos += len;
    }
    if (start < s.size()) names.push_back(s.substr(start));
    return names;
}

bool endsInSeparator(std::string_view s, CodePage page) {
    return !s.empty() && s.back() == '\\' && isCharStart(s, s.size() - 1, page);
}

// '.' and ' ' are never the second byte of a double-byte character in any of the code pages,
// so trailing dots and blanks can be taken off byte by byte.
std::string_view trimLastName(std::string_view name) {
    while (!name.empty() && (name.back() == '.' || name.back() == ' ')) name.remove_suffix(1);
    return name;
}

std::string_view dropSingleDot(std::string_view name) {
    if (name.size() >= 2 && name.back() == '.' && name[name.size() - 2] != '.') name.remove_suffix(1);
    return name;
}

// root: "X:" or "\\machine\share" (no separator at its end); rest: what follows the root's
// separator, if there is one.
std::optional<std::string> normalise(std::string_view root, bool driveRoot, bool separatorAfterRoot,
                                     std::string_view rest, std::size_t maxBytes, CodePage page) {
    bool trailingSeparator = rest.empty() ? separatorAfterRoot : endsInSeparator(rest, page);
    const std::vector<std::string_view> parts = splitNames(rest, page);
    std::vector<std::string_view> names;
    for (std::string_view name : parts) {
        if (name == ".") continue;
        if (name == "..") {
            if (!names.empty()) names.pop_back();  // never the root nor a machine's share
            continue;
        }
        names.push_back(dropSingleDot(name));
    }
    // The name that ends the path (after "." and ".." went) loses its trailing dots and blanks,
    // so that an expanded path expands to itself.
    if (!trailingSeparator && !names.empty()) {
        names.back() = trimLastName(names.back());
        if (names.back().empty()) {
            names.pop_back();
            trailingSeparator = true;
        }
    }
    std::string full(root);
    for (std::string_view name : names) {
        full += '\\';
        full += name;
    }
    if ((driveRoot && names.empty()) || (trailingSeparator && !names.empty()) ||
        (!driveRoot && names.empty() && trailingSeparator)) {
        full += '\\';
    }
    if (full.size() > maxBytes) return std::nullopt;
    return full;
}

std::optional<std::string> expandAbsolute(std::string_view s, std::size_t maxBytes,
                                          const HostSettings& settings);

std::optional<std::string> expandWithBase(const std::string& base, std::string_view tail,
                                          std::size_t maxBytes, const HostSettings& settings) {
    std::string joined = base;
    if (!endsInSeparator(joined, settings.codePage)) joined += '\\';
    joined += tail;
    return expandAbsolute(joined, maxBytes, settings);
}

// s has '\' separators only.
std::optional<std::string> expandAbsolute(std::string_view s, std::size_t maxBytes,
                                          const HostSettings& settings) {
    const CodePage page = settings.codePage;
    if (s.size() >= 2 && isLetter(s[0]) && s[1] == ':') {
        if (s.size() >= 3 && s[2] == '\\')
            return normalise(s.substr(0, 2), true, true, s.substr(3), maxBytes, page);
        // Drive-relative: the current directory when the drive is the current one, else its root.
        const std::string current = currentSystemDirectory(settings);
        const bool currentDrive = !current.empty() && (current[0] | 0x20) == (s[0] | 0x20);
        const std::string base = currentDrive ? current : std::string(s.substr(0, 2)) + "\\";
        return expandWithBase(base, s.substr(2), maxBytes, settings);
    }
    if (s.size() >= 2 && s[0] == '\\' && s[1] == '\\') {
        const std::size_t machineEnd = findChar(s, '\\', 2, page);
        const std::size_t machineLength = (machineEnd == std::string_view::npos ? s.size() : machineEnd) - 2;
        if (machineLength == 0) return std::nullopt;
        if (machineEnd == std::string_view::npos || machineEnd + 1 >= s.size()) {
            // A machine without a share.
            if (s.size() > maxBytes) return std::nullopt;
            return std::string(s);
        }
        const std::size_t shareEnd = findChar(s, '\\', machineEnd + 1, page);
        if (shareEnd == machineEnd + 1) return std::nullopt;  // empty share name
        if (shareEnd == std::string_view::npos)
            return normalise(s, false, false, std::string_view(), maxBytes, page);
        return normalise(s.substr(0, shareEnd), false, true, s.substr(shareEnd + 1), maxBytes, page);
    }
    const std::string current = currentSystemDirectory(settings);
    if (current.empty()) return std::nullopt;
    if (!s.empty() && s[0] == '\\') {
        // Rooted on the current drive.
        return expandWithBase(current.substr(0, 2) + "\\", s.substr(1), maxBytes, settings);
    }
    return expandWithBase(current, s, maxBytes, settings);
}

}  // namespace

std::optional<std::string> expandFullPath(std::string_view path, const HostSettings& settings,
                                          std::size_t maxBytes) {
    if (path.empty() || path.find('\0') != std::string_view::npos) return std::nullopt;
    // '/' is never the second byte of a double-byte character, so it can be turned byte by byte.
    std::string s(path);
    for (char& c : s) {
        if (c == '/') c = '\\';
    }
    return expandAbsolute(s, maxBytes, settings);
}

}  // namespace z2k
