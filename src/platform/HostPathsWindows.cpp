// Host paths of a Windows host: a system path is already the system's own path. Drive letters
// and machine paths reach the file system as they are (no drive is mapped); the text is taken
// from the code page to UTF-8, the host's form of the wide names the file system takes.
#include <optional>

#include "platform/CodePage.h"
#include "platform/HostPaths.h"
#include "platform/WideText.h"

namespace z2k {

namespace {

bool isSeparator(char c) {
    return c == '\\' || c == '/';
}

// "X:\..." or "\\machine\share...": the forms that name one file wherever the program runs.
bool isAbsoluteSystemPath(std::string_view path) {
    if (path.size() >= 3 && driveIndex(path[0]) >= 0 && path[1] == ':' && isSeparator(path[2])) return true;
    return path.size() >= 3 && isSeparator(path[0]) && isSeparator(path[1]) && !isSeparator(path[2]);
}

// Host text is UTF-8 whatever the settings' code set says: it is what the wide names convert to.
constexpr unsigned kHostTextPage = 65001;

std::optional<std::string> convert(std::string_view text, unsigned from, unsigned to) {
    if (isAsciiText(text) || from == to) return std::string(text);
    std::optional<std::wstring> wide = wideFromCodePage(text, from);
    if (!wide) return std::nullopt;
    return codePageFromWide(*wide, to);
}

// Text for a person, one character at a time, so that one that cannot be converted is replaced alone.
std::string convertSubstituting(std::string_view text, CodePage fromPage, unsigned from, unsigned to,
                                std::string_view substitute) {
    std::string out;
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t length = charLength(text, pos, fromPage);
        const std::optional<std::string> character = convert(text.substr(pos, length), from, to);
        out += character ? std::string_view(*character) : substitute;
        pos += length;
    }
    return out;
}

}  // namespace

std::string codePageTextToUtf8(std::string_view text, CodePage page) {
    if (page == CodePage::Utf8) return std::string(text);
    return convertSubstituting(text, page, windowsCodePage(page), kHostTextPage, "\xEF\xBF\xBD");
}

std::string utf8TextToCodePage(std::string_view text, CodePage page) {
    if (page == CodePage::Utf8) return std::string(text);
    return convertSubstituting(text, CodePage::Utf8, kHostTextPage, windowsCodePage(page), "?");
}

std::optional<std::string> codePageNameToHost(std::string_view name, const HostSettings& settings) {
    return convert(name, windowsCodePage(settings.codePage), kHostTextPage);
}

std::optional<std::string> hostNameToCodePage(std::string_view name, const HostSettings& settings) {
    return convert(name, kHostTextPage, windowsCodePage(settings.codePage));
}

std::optional<std::string> systemToHostPath(std::string_view systemPath, const HostSettings& settings) {
    if (!isAbsoluteSystemPath(systemPath) || systemPath.find('\0') != std::string_view::npos) return std::nullopt;
    return codePageNameToHost(systemPath, settings);
}

std::optional<std::string> hostToSystemPath(std::string_view hostPath, const HostSettings& settings) {
    if (!isAbsoluteSystemPath(hostPath) || hostPath.find('\0') != std::string_view::npos) return std::nullopt;
    return hostNameToCodePage(hostPath, settings);
}

std::string typedPathToSystem(std::string_view typed, const HostSettings&) {
    return std::string(typed);
}

std::optional<std::string> absoluteHostPathToSystem(std::string_view hostPath, const HostSettings& settings) {
    return hostToSystemPath(hostPath, settings);
}

std::string hostFolderOf(const std::string& hostPath) {
    // UTF-8 never hides a separator inside another character.
    const std::size_t separator = hostPath.find_last_of("\\/");
    if (separator == std::string::npos) return ".";
    const bool root = separator == 2 && hostPath[1] == ':';
    return hostPath.substr(0, root ? separator + 1 : separator);
}

bool hostMapsDrives() {
    return false;
}

bool hostNamesMayHoldBackslash() {
    return false;
}

}  // namespace z2k
