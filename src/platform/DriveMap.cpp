#include "platform/DriveMap.h"

#include <utility>

namespace z2k {

int driveIndex(char drive) {
    if (drive >= 'a' && drive <= 'z') return drive - 'a';
    if (drive >= 'A' && drive <= 'Z') return drive - 'A';
    return -1;
}

DriveMap::DriveMap() {
    folders_['Z' - 'A'] = std::string("/");
}

void DriveMap::map(char drive, std::string hostFolder) {
    const int index = driveIndex(drive);
    if (index < 0) return;
    while (hostFolder.size() > 1 && hostFolder.back() == '/') hostFolder.pop_back();
    folders_[static_cast<std::size_t>(index)] = std::move(hostFolder);
}

void DriveMap::unmap(char drive) {
    const int index = driveIndex(drive);
    if (index >= 0) folders_[static_cast<std::size_t>(index)].reset();
}

std::optional<std::string> DriveMap::folder(char drive) const {
    const int index = driveIndex(drive);
    if (index < 0) return std::nullopt;
    return folders_[static_cast<std::size_t>(index)];
}

}  // namespace z2k
