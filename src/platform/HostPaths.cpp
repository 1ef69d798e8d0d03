#include "platform/HostPaths.h"

#include <iconv.h>

#include <array>
#include <cerrno>
#include <map>
#include <utility>
#include <vector>

#include "platform/CodePage.h"

namespace z2k {
namespace {

using DriveMap = std::array<std::optional<std::string>, 26>;

DriveMap startMap() {
    DriveMap map;
    map['Z' - 'A'] = std::string("/");
    return map;
}

DriveMap& driveMap() {
    static DriveMap map = startMap();
    return map;
}

int driveIndex(char drive) {
    if (drive >= 'a' && drive <= 'z') return drive - 'a';
    if (drive >= 'A' && drive <= 'Z') return drive - 'A';
    return -1;
}

bool isAscii(std::string_view s) {
    for (char c : s) {
        if (static_cast<unsigned char>(c) >= 0x80) return false;
    }
    return true;
}

// The plain C locale names no code set for file names: bytes pass through as they are.
bool isPlainLocale(std::string_view codeSet) {
    return codeSet.empty() || codeSet == "ANSI_X3.4-1968" || codeSet == "ASCII" || codeSet == "US-ASCII";
}

bool needsConversion() {
    const std::string& codeSet = localeCodeSet();
    if (isPlainLocale(codeSet)) return false;
    return codePageForCodeSet(codeSet) != activeCodePage();
}

// Converters stay open for the life of the process, one per direction and code set pair.
class ConverterCache {
  public:
    ~ConverterCache() {
        for (auto& entry : open_) {
            if (entry.second != reinterpret_cast<iconv_t>(-1)) iconv_close(entry.second);
        }
    }
    iconv_t get(const std::string& to, const std::string& from) {
        auto key = std::make_pair(to, from);
        auto it = open_.find(key);
        if (it != open_.end()) return it->second;
        iconv_t cd = iconv_open(to.c_str(), from.c_str());
        open_.emplace(std::move(key), cd);
        return cd;
    }

  private:
    std::map<std::pair<std::string, std::string>, iconv_t> open_;
};

iconv_t converter(const std::string& to, const std::string& from) {
    static ConverterCache cache;
    return cache.get(to, from);
}

std::optional<std::string> convert(std::string_view text, const std::string& to, const std::string& from) {
    iconv_t cd = converter(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    std::string in(text);
    std::string out;
    std::vector<char> buffer(text.size() * 4 + 16);
    char* inPtr = in.data();
    std::size_t inLeft = in.size();
    while (inLeft > 0) {
        char* outPtr = buffer.data();
        std::size_t outLeft = buffer.size();
        std::size_t r = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
        out.append(buffer.data(), static_cast<std::size_t>(outPtr - buffer.data()));
        if (r == static_cast<std::size_t>(-1)) {
            if (errno == E2BIG) continue;
            return std::nullopt;  // an invalid or unconvertible sequence
        }
        if (r > 0) return std::nullopt;  // irreversible conversions stand for characters it lacks
    }
    char* outPtr = buffer.data();
    std::size_t outLeft = buffer.size();
    if (iconv(cd, nullptr, nullptr, &outPtr, &outLeft) == static_cast<std::size_t>(-1)) return std::nullopt;
    out.append(buffer.data(), static_cast<std::size_t>(outPtr - buffer.data()));
    return out;
}

// A name converts only when it comes back unchanged: several host characters can share one code
// page character (and the other way round), and a name converted to another one would lead to
// another file.
std::optional<std::string> convertBothWays(std::string_view text, const std::string& to,
                                           const std::string& from) {
    std::optional<std::string> there = convert(text, to, from);
    if (!there) return std::nullopt;
    std::optional<std::string> back = convert(*there, from, to);
    if (!back || *back != text) return std::nullopt;
    return there;
}

bool isSeparator(char c) {
    return c == '\\' || c == '/';
}

}  // namespace

void mapDrive(char drive, std::string hostFolder) {
    const int index = driveIndex(drive);
    if (index < 0) return;
    while (hostFolder.size() > 1 && hostFolder.back() == '/') hostFolder.pop_back();
    driveMap()[static_cast<std::size_t>(index)] = std::move(hostFolder);
}

void unmapDrive(char drive) {
    const int index = driveIndex(drive);
    if (index >= 0) driveMap()[static_cast<std::size_t>(index)].reset();
}

void resetDriveMap() {
    driveMap() = startMap();
}

std::optional<std::string> mappedDriveFolder(char drive) {
    const int index = driveIndex(drive);
    if (index < 0) return std::nullopt;
    return driveMap()[static_cast<std::size_t>(index)];
}

std::optional<std::string> codePageNameToHost(std::string_view name) {
    if (isAscii(name) || !needsConversion()) return std::string(name);
    return convertBothWays(name, localeCodeSet(), codePageCodeSet(activeCodePage()));
}

std::optional<std::string> hostNameToCodePage(std::string_view name) {
    if (isAscii(name) || !needsConversion()) return std::string(name);
    return convertBothWays(name, codePageCodeSet(activeCodePage()), localeCodeSet());
}

std::optional<std::string> systemToHostPath(std::string_view systemPath) {
    if (systemPath.size() < 3 || driveIndex(systemPath[0]) < 0 || systemPath[1] != ':' ||
        !isSeparator(systemPath[2])) {
        return std::nullopt;
    }
    if (systemPath.find('\0') != std::string_view::npos) return std::nullopt;
    std::optional<std::string> folder = mappedDriveFolder(systemPath[0]);
    if (!folder) return std::nullopt;

    // The names after the root, with "." dropped and ".." taking away the name before it (never
    // the root), separators stepping by whole characters.
    const std::string_view rest = systemPath.substr(3);
    std::vector<std::string_view> names;
    const CodePage page = activeCodePage();
    std::size_t start = 0;
    auto endName = [&](std::size_t end) {
        std::string_view name = rest.substr(start, end - start);
        if (name == "..") {
            if (!names.empty()) names.pop_back();
        } else if (!name.empty() && name != ".") {
            names.push_back(name);
        }
    };
    for (std::size_t pos = 0; pos < rest.size();) {
        const std::size_t len = charLength(rest, pos, page);
        if (len == 1 && isSeparator(rest[pos])) {
            endName(pos);
            start = pos + 1;
        }
        pos += len;
    }
    endName(rest.size());
    const bool trailingSeparator = !rest.empty() && !names.empty() && isSeparator(rest.back()) &&
                                   isCharStart(rest, rest.size() - 1, page);

    std::string joined;
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (i > 0) joined += '/';
        joined += names[i];
    }
    std::optional<std::string> hostNames = codePageNameToHost(joined);
    if (!hostNames) return std::nullopt;

    std::string host = *folder;
    if (!hostNames->empty()) {
        if (host.empty() || host.back() != '/') host += '/';
        host += *hostNames;
        if (trailingSeparator) host += '/';
    }
    return host;
}

std::optional<std::string> hostToSystemPath(std::string_view hostPath) {
    if (hostPath.empty() || hostPath[0] != '/') return std::nullopt;
    if (hostPath.find('\0') != std::string_view::npos) return std::nullopt;
    // '/' is never part of a multibyte character in the locale's code set, so runs of it can be
    // turned into one '\' before the names are converted.
    std::string names;
    names.reserve(hostPath.size());
    for (std::size_t i = 1; i < hostPath.size(); ++i) {
        if (hostPath[i] == '/') {
            if (!names.empty() && names.back() == '/') continue;
            if (names.empty()) continue;
        }
        names += hostPath[i];
    }
    std::optional<std::string> converted = hostNameToCodePage(names);
    if (!converted) return std::nullopt;
    std::string system = "Z:\\";
    for (char c : *converted) system += (c == '/') ? '\\' : c;
    return system;
}

std::string typedPathToSystem(std::string_view typed) {
    if (typed.empty() || typed[0] != '/') return std::string(typed);
    std::string_view host = typed;
    if (host.size() > 1 && host.back() == '/') host.remove_suffix(1);
    std::optional<std::string> system = hostToSystemPath(host);
    return system ? *system : std::string(typed);
}

}  // namespace z2k
