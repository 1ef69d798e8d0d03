#include "cli/TypedArguments.h"

#include <filesystem>
#include <system_error>

#include "platform/HostPaths.h"

namespace z2k {

namespace {

// ASCII letters only, whatever the locale says about other bytes.
bool isDriveLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

}  // namespace

bool isSystemForm(const std::string& typed) {
    if (!typed.empty() && typed[0] == '\\') return true;
    return typed.size() >= 2 && isDriveLetter(typed[0]) && typed[1] == ':';
}

std::optional<std::string> typedToSystem(const std::string& typed, const std::string& inCodePage,
                                         const HostSettings& settings) {
    if (typed.empty() || isSystemForm(typed)) return inCodePage;
    std::string host = typed;
    if (typed[0] != '/') {
        std::error_code error;
        const std::filesystem::path current = std::filesystem::current_path(error);
        if (error) return typed;
        host = (current / typed).lexically_normal().string();
    }
    return absoluteHostPathToSystem(host, settings);
}

void reportUnconvertible(const char* what, const std::string& typed, const char* codePage,
                         const std::string& codeSet, std::ostream& err) {
    err << "zat2kor: error: " << what << " \"" << typed << "\" cannot be converted from the locale's code set "
        << (codeSet.empty() ? "(none)" : codeSet) << " to the code page " << codePage << '\n';
}

bool hostPathHoldsBackslash(const std::string& typed, const std::string& hostCodeSet) {
    return hostNamesMayHoldBackslash() && !isSystemForm(typed) &&
           findChar(typed, '\\', 0, codePageForCodeSet(hostCodeSet)) != std::string::npos;
}

bool mapDrives(const std::vector<std::string>& drives, DriveMap& map, std::ostream& err) {
    bool mapped[26] = {};
    if (!drives.empty() && !hostMapsDrives()) {
        err << "error: --drive is not available on this system: drive letters name its own drives\n";
        return false;
    }
    for (const std::string& drive : drives) {
        if (drive.size() < 3 || !isDriveLetter(drive[0]) || drive[1] != '=') {
            err << "zat2kor: error: --drive expects X=DIR, got \"" << drive << "\"\n";
            return false;
        }
        const char letter = foldUpperAscii(drive[0]);
        if (letter == 'Z') {
            err << "zat2kor: error: --drive cannot map Z: it is always the host root /\n";
            return false;
        }
        if (mapped[letter - 'A']) {
            err << "zat2kor: error: --drive maps " << letter << ": twice\n";
            return false;
        }
        mapped[letter - 'A'] = true;
        std::error_code error;
        const std::filesystem::path folder = std::filesystem::absolute(drive.substr(2), error);
        if (error || !std::filesystem::is_directory(folder, error)) {
            err << "zat2kor: error: --drive " << letter << ": " << drive.substr(2) << ": "
                << (error ? error.message() : std::string("not a folder")) << '\n';
            return false;
        }
        map.map(drive[0], folder.lexically_normal().string());
    }
    return true;
}

const char* codePageName(CodePage codePage) {
    switch (codePage) {
        case CodePage::Cp932:
            return "cp932";
        case CodePage::Utf8:
            return "utf8";
        default:
            return "single";
    }
}

bool withinLimit(const std::string& value, std::size_t limit, const char* what, CodePage page,
                 std::ostream& err) {
    if (charCount(value, page) <= limit) return true;
    err << "zat2kor: error: " << what << " is longer than " << limit << " characters\n";
    return false;
}

}  // namespace z2k
