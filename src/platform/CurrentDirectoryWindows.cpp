// The current folder of a Windows host, as the system names it.
#include <windows.h>

#include <optional>
#include <string>

#include "platform/FullPath.h"
#include "platform/HostPaths.h"
#include "platform/WideText.h"

namespace z2k {

std::string currentSystemDirectory(const HostSettings& settings) {
    const DWORD size = ::GetCurrentDirectoryW(0, nullptr);
    if (size == 0) return std::string();
    std::wstring wide(size, L'\0');
    const DWORD length = ::GetCurrentDirectoryW(size, wide.data());
    if (length == 0 || length >= size) return std::string();
    wide.resize(length);
    const std::optional<std::string> host = hostText(wide);
    const std::optional<std::string> system = host ? hostToSystemPath(*host, settings) : std::nullopt;
    if (!system) return std::string();
    std::string path = *system;
    if (path.size() > 3 && path.back() == '\\') path.pop_back();
    return path;
}

}  // namespace z2k
