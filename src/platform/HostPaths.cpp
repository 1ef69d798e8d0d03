#include "platform/HostPaths.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <vector>

#include "platform/CodePage.h"

namespace z2k {
namespace {

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

bool needsConversion(const HostSettings& settings) {
    if (isPlainLocale(settings.hostCodeSet)) return false;
    return codePageForCodeSet(settings.hostCodeSet) != settings.codePage;
}

// One iconv conversion, open for one call: only names that are not ASCII and whose code sets
// differ come here, so nothing is kept open between calls.
class Converter {
  public:
    Converter(const std::string& to, const std::string& from) : cd_(iconv_open(to.c_str(), from.c_str())) {}
    ~Converter() {
        if (ok()) iconv_close(cd_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;
    bool ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }
    iconv_t get() const { return cd_; }

  private:
    iconv_t cd_;
};

std::optional<std::string> convert(std::string_view text, const std::string& to, const std::string& from) {
    const Converter converter(to, from);
    if (!converter.ok()) return std::nullopt;
    iconv_t cd = converter.get();
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

// A conversion that goes on past a character it cannot convert: that character (as the code page
// `from` counts it) becomes `substitute`.
std::string convertSubstituting(std::string_view text, const char* to, const char* from, CodePage fromPage,
                                std::string_view substitute) {
    const Converter converter(to, from);
    if (!converter.ok()) return std::string(text);
    iconv_t cd = converter.get();
    std::string in(text);
    std::string out;
    out.reserve(text.size() * 2);
    std::vector<char> buffer(text.size() * 4 + 16);
    char* inPtr = in.data();
    std::size_t inLeft = in.size();
    while (inLeft > 0) {
        char* outPtr = buffer.data();
        std::size_t outLeft = buffer.size();
        const std::size_t r = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
        out.append(buffer.data(), static_cast<std::size_t>(outPtr - buffer.data()));
        if (r != static_cast<std::size_t>(-1) || errno == E2BIG) continue;
        const std::size_t length =
            std::min(charLength(in, static_cast<std::size_t>(inPtr - in.data()), fromPage), inLeft);
        out += substitute;
        inPtr += length;
        inLeft -= length;
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
    char* outPtr = buffer.data();
    std::size_t outLeft = buffer.size();
    iconv(cd, nullptr, nullptr, &outPtr, &outLeft);
    out.append(buffer.data(), static_cast<std::size_t>(outPtr - buffer.data()));
    return out;
}

}  // namespace

std::string codePageTextToUtf8(std::string_view text, CodePage page) {
    if (page == CodePage::Utf8) return std::string(text);
    return convertSubstituting(text, "UTF-8", codePageCodeSet(page), page, "\xEF\xBF\xBD");
}

std::string utf8TextToCodePage(std::string_view text, CodePage page) {
    if (page == CodePage::Utf8) return std::string(text);
    return convertSubstituting(text, codePageCodeSet(page), "UTF-8", CodePage::Utf8, "?");
}

std::optional<std::string> codePageNameToHost(std::string_view name, const HostSettings& settings) {
    if (isAscii(name) || !needsConversion(settings)) return std::string(name);
    return convertBothWays(name, settings.hostCodeSet, codePageCodeSet(settings.codePage));
}

std::optional<std::string> hostNameToCodePage(std::string_view name, const HostSettings& settings) {
    if (isAscii(name) || !needsConversion(settings)) return std::string(name);
    return convertBothWays(name, codePageCodeSet(settings.codePage), settings.hostCodeSet);
}

std::optional<std::string> systemToHostPath(std::string_view systemPath, const HostSettings& settings) {
    if (systemPath.size() < 3 || driveIndex(systemPath[0]) < 0 || systemPath[1] != ':' ||
        !isSeparator(systemPath[2])) {
        return std::nullopt;
    }
    if (systemPath.find('\0') != std::string_view::npos) return std::nullopt;
    std::optional<std::string> folder = settings.drives.folder(systemPath[0]);
    if (!folder) return std::nullopt;

    // The names after the root, with "." dropped and ".." taking away the name before it (never
    // the root), separators stepping by whole characters.
    const std::string_view rest = systemPath.substr(3);
    std::vector<std::string_view> names;
    const CodePage page = settings.codePage;
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
    std::optional<std::string> hostNames = codePageNameToHost(joined, settings);
    if (!hostNames) return std::nullopt;

    std::string host = *folder;
    if (!hostNames->empty()) {
        if (host.empty() || host.back() != '/') host += '/';
        host += *hostNames;
        if (trailingSeparator) host += '/';
    }
    return host;
}

std::optional<std::string> hostToSystemPath(std::string_view hostPath, const HostSettings& settings) {
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
    std::optional<std::string> converted = hostNameToCodePage(names, settings);
    if (!converted) return std::nullopt;
    std::string system = "Z:\\";
    for (char c : *converted) system += (c == '/') ? '\\' : c;
    return system;
}

std::string typedPathToSystem(std::string_view typed, const HostSettings& settings) {
    if (typed.empty() || typed[0] != '/') return std::string(typed);
    std::string_view host = typed;
    if (host.size() > 1 && host.back() == '/') host.remove_suffix(1);
    std::optional<std::string> system = hostToSystemPath(host, settings);
    return system ? *system : std::string(typed);
}

std::optional<std::string> absoluteHostPathToSystem(std::string_view hostPath, const HostSettings& settings) {
    const std::string system = typedPathToSystem(hostPath, settings);
    // The host path comes back as it was only when its names have no form in the code page.
    if (system.rfind("Z:\\", 0) != 0) return std::nullopt;
    return system;
}

std::string hostFolderOf(const std::string& hostPath) {
    const std::size_t slash = hostPath.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? std::string("/") : hostPath.substr(0, slash);
}

bool hostMapsDrives() {
    return true;
}

bool hostNamesMayHoldBackslash() {
    return true;
}

}  // namespace z2k
