// Reading and writing open files, the same on every host (a Windows host hands out C runtime
// descriptors in binary mode).
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <string>

#include "platform/HostFile.h"

namespace z2k {

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

// One block at a time, so that a large text is never held twice in memory.
int writeAllAsText(int fd, std::string_view text) {
    constexpr std::size_t kBlock = 65536;
    std::string block;
    block.reserve(2 * kBlock);
    for (std::size_t pos = 0; pos < text.size();) {
        block.clear();
        const std::size_t end = std::min(text.size(), pos + kBlock);
        const std::string_view upToEnd = text.substr(0, end);
        while (pos < end) {
            const std::size_t lineFeed = upToEnd.find('\n', pos);
            if (lineFeed == std::string_view::npos) {
                block.append(text.substr(pos, end - pos));
                pos = end;
            } else {
                block.append(text.substr(pos, lineFeed - pos));
                block.append("\r\n");
                pos = lineFeed + 1;
            }
        }
        if (const int error = writeAll(fd, block); error != 0) return error;
    }
    return 0;
}

}  // namespace z2k
