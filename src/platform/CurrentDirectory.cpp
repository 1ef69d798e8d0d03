// The current folder of a POSIX host, in its Z: form.
#include <unistd.h>

#include <cerrno>
#include <optional>
#include <vector>

#include "platform/FullPath.h"
#include "platform/HostPaths.h"

namespace z2k {

std::string currentSystemDirectory(const HostSettings& settings) {
    std::vector<char> buffer(4096);
    for (;;) {
        if (::getcwd(buffer.data(), buffer.size()) != nullptr) break;
        if (errno != ERANGE || buffer.size() > (1u << 20)) return std::string();
        buffer.resize(buffer.size() * 2);
    }
    std::optional<std::string> system = hostToSystemPath(buffer.data(), settings);
    if (!system) return std::string();
    if (system->size() > 3 && system->back() == '\\') system->pop_back();
    return *system;
}

}  // namespace z2k
