#include "platform/TempFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "platform/CodePage.h"
#include "platform/HostPaths.h"

namespace z2k {
namespace {

std::string temporaryHostFolder() {
    const char* env = std::getenv("TMPDIR");
    std::string folder = (env != nullptr && env[0] == '/') ? std::string(env) : std::string("/tmp");
    while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
    return folder;
}

}  // namespace

std::string temporaryFolder() {
    std::optional<std::string> system = hostToSystemPath(temporaryHostFolder());
    if (!system) return "Z:\\tmp";
    if (system->size() > 3 && system->back() == '\\') system->pop_back();
    return *system;
}

std::string temporaryFileName(const std::string& prefix) {
    // Like the desktop, the name keeps at most the first three characters of the prefix, then a
    // unique part and ".tmp". Characters that would leave the folder are not taken.
    std::string kept;
    std::size_t characters = 0;
    forEachChar(prefix, [&](std::size_t pos, std::size_t len) {
        if (characters >= 3) return;
        ++characters;
        const std::string_view c(prefix.data() + pos, len);
        if (c != "\\" && c != "/" && c != ":") kept += c;
    });
    std::optional<std::string> hostPrefix = codePageNameToHost(kept);
    if (!hostPrefix) hostPrefix = std::string();
    std::string name = temporaryHostFolder();
    if (name.back() != '/') name += '/';
    name += *hostPrefix + "XXXXXX.tmp";
    const int fd = ::mkstemps(name.data(), 4);
    if (fd < 0) return std::string();
    ::close(fd);
    std::optional<std::string> system = hostToSystemPath(name);
    if (!system) {
        ::unlink(name.c_str());
        return std::string();
    }
    return *system;
}

}  // namespace z2k
