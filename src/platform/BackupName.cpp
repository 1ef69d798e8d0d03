#include <algorithm>
#include <cstdint>
#include <cstdio>

#include "platform/FileReplacement.h"
#include "platform/HostPaths.h"

namespace z2k {

namespace {

constexpr std::string_view kBackupSuffix = ".bak";

std::uint32_t digestOf(std::string_view text) {
    std::uint32_t hash = 2166136261u;  // FNV-1a
    for (unsigned char c : text) hash = (hash ^ c) * 16777619u;
    return hash;
}

}  // namespace

std::string backupFileName(const std::string& name, std::size_t nameLimit, const HostSettings& settings) {
    if (name.size() + kBackupSuffix.size() <= nameLimit) return name + std::string(kBackupSuffix);
    char digest[16];
    std::snprintf(digest, sizeof digest, "~%08x", static_cast<unsigned>(digestOf(name)));
    const std::string tail = digest + std::string(kBackupSuffix);
    std::size_t keep = nameLimit > tail.size() ? std::min(name.size(), nameLimit - tail.size()) : 0;
    // The cut must not split a character: back off until the start converts as a name.
    const std::size_t lowest = keep > 8 ? keep - 8 : 0;
    while (keep > lowest && !hostNameToCodePage(name.substr(0, keep), settings)) --keep;
    if (!hostNameToCodePage(name.substr(0, keep), settings)) keep = 0;
    return name.substr(0, keep) + tail;
}

}  // namespace z2k
