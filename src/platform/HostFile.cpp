#include "platform/HostFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
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

// A regular file is read into a buffer of its size plus one byte (reading that byte tells the
// end); a file that grows meanwhile, or one without a size (proc files), makes the buffer grow
// by half again each time it is full.
int readAll(int fd, std::string& out) {
    struct stat status;
    std::size_t expected = 0;
    if (::fstat(fd, &status) == 0 && S_ISREG(status.st_mode) && status.st_size > 0)
        expected = static_cast<std::size_t>(status.st_size);
    std::size_t used = out.size();
    out.resize(used + expected + 1);
    for (;;) {
        if (used == out.size()) out.resize(out.size() + std::max<std::size_t>(65536, out.size() / 2));
        const ssize_t n = ::read(fd, out.data() + used, out.size() - used);
        if (n < 0) {
            if (errno == EINTR) continue;
            out.resize(used);
            return errno;
        }
        if (n == 0) {
            out.resize(used);
            return 0;
        }
        used += static_cast<std::size_t>(n);
    }
}

int writeAll(int fd, std::string_view bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        done += static_cast<std::size_t>(n);
    }
    return 0;
}

}  // namespace z2k
