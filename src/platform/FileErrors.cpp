// The words for the error codes of file operations, the same on every host.
#include <cstring>

#include "platform/FileSystem.h"

namespace z2k {

std::string errorDescription(int error) {
    if ((error & kErrorKeepingBackup) != 0)
        return "the earlier file cannot be kept as its backup: " +
               errorDescription(error & ~kErrorKeepingBackup);
    if (error == kErrorNotRegularFile) return "Not a regular file";
    return std::strerror(error);
}

}  // namespace z2k
