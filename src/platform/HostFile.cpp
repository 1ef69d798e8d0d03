#include "platform/HostFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/FileSystem.h"

namespace z2k {

int openRegularFileForReading(const std::string& hostPath, int& error) {
    // O_NONBLOCK: opening a FIFO without a writer must not wait for one.
    const int fd = ::open(hostPath.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        error = errno;
        return -1;
    }
    struct stat status;
    if (::fstat(fd, &status) != 0) {
        error = errno;
    } else if (S_ISDIR(status.st_mode)) {
        error = EISDIR;
    } else if (!S_ISREG(status.st_mode)) {
        error = kErrorNotRegularFile;
    } else {
        // O_NONBLOCK stays: an ordinary file ignores it, and a kernel file that looks regular
        // but waits for data (/proc/kmsg) then fails its read instead of hanging the run.
        error = 0;
        return fd;
    }
    ::close(fd);
    return -1;
}

}  // namespace z2k
