#pragma once
// Which host folder each drive letter of a system path stands for. Z: is the host root; other
// letters are mapped by a front end; a machine path (\\machine\share) is never mapped.
#include <array>
#include <optional>
#include <string>

namespace z2k {

class DriveMap {
  public:
    // Only Z: mapped, to "/".
    DriveMap();

    // Maps a drive letter (either case) to a host folder, trailing '/' dropped (except for "/").
    // Any other character is ignored.
    void map(char drive, std::string hostFolder);
    void unmap(char drive);
    // The host folder a drive letter is mapped to, or nothing.
    std::optional<std::string> folder(char drive) const;

  private:
    std::array<std::optional<std::string>, 26> folders_;
};

// The index 0-25 of a drive letter in either case, or -1 for any other character.
int driveIndex(char drive);

}  // namespace z2k
