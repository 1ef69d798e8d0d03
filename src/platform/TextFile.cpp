#include "platform/TextFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "platform/FileSystem.h"
#include "platform/HostPaths.h"

namespace z2k {
namespace {

bool& backupsFlag() {
    static bool enabled = true;
    return enabled;
}

bool& writesFlag() {
    static bool enabled = true;
    return enabled;
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

// Writes the text with every line feed as CR LF, one block at a time, so that a large text is
// never held twice in memory.
int writeTextMode(int fd, std::string_view text) {
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

// Reads a whole open file; 0 or errno. A regular file is read into a buffer of its size plus
// one byte (reading that byte tells the end); a file that grows meanwhile, or one that is not
// regular, makes the buffer grow by half again each time it is full.
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

mode_t currentUmask() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
}

// Copies a regular file byte for byte to a new file; 0 or errno.
int copyFile(const std::string& from, const std::string& to, mode_t mode) {
    const int in = ::open(from.c_str(), O_RDONLY | O_CLOEXEC);
    if (in < 0) return errno;
    std::string bytes;
    int error = readAll(in, bytes);
    ::close(in);
    if (error != 0) return error;
    const int out = ::open(to.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, mode);
    if (out < 0) return errno;
    error = writeAll(out, bytes);
    if (::close(out) != 0 && error == 0) error = errno;
    return error;
}

// Keeps the file at host as host + ".bak" (one generation: an older backup is replaced).
int keepBackupOf(const std::string& host, mode_t mode) {
    const std::string backup = host + ".bak";
    if (::unlink(backup.c_str()) != 0 && errno != ENOENT) return errno;
    if (::link(host.c_str(), backup.c_str()) == 0) return 0;
    return copyFile(host, backup, mode);
}

void syncFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

}  // namespace

namespace {

// Text-mode reading in place: the text ends at the first Ctrl-Z and every CR LF becomes LF.
void decodeInPlace(std::string& bytes) {
    const std::size_t end = bytes.find('\x1a');
    if (end != std::string::npos) bytes.resize(end);
    // Moves the runs between the CR of each CR LF pair down over the dropped CRs.
    std::size_t kept = 0;
    std::size_t done = 0;
    for (std::size_t cr = bytes.find('\r'); cr != std::string::npos; cr = bytes.find('\r', cr + 1)) {
        if (cr + 1 >= bytes.size() || bytes[cr + 1] != '\n') continue;
        if (kept != done) std::memmove(bytes.data() + kept, bytes.data() + done, cr - done);
        kept += cr - done;
        done = cr + 1;
    }
    if (kept != done) std::memmove(bytes.data() + kept, bytes.data() + done, bytes.size() - done);
    bytes.resize(kept + (bytes.size() - done));
}

}  // namespace

std::string textModeDecode(std::string_view bytes) {
    std::string text(bytes);
    decodeInPlace(text);
    return text;
}

std::string textModeEncode(std::string_view text) {
    std::string bytes;
    bytes.reserve(text.size() + text.size() / 16 + 8);
    for (char c : text) {
        if (c == '\n') bytes += '\r';
        bytes += c;
    }
    return bytes;
}

TextReadResult readTextFile(std::string_view systemPath) {
    TextReadResult result;
    std::optional<std::string> host = systemToHostPath(systemPath);
    if (!host) {
        result.error = ENOENT;
        return result;
    }
    const int fd = ::open(host->c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        result.error = errno;
        return result;
    }
    std::string bytes;
    const int error = readAll(fd, bytes);
    ::close(fd);
    if (error != 0) {
        result.error = error;
        return result;
    }
    decodeInPlace(bytes);
    result.text = std::move(bytes);
    result.ok = true;
    return result;
}

int replaceTextFile(std::string_view systemPath, std::string_view text, bool keepBackup) {
    if (!writesFlag()) return checkFileCreatable(systemPath);
    std::optional<std::string> host = systemToHostPath(systemPath);
    if (!host) return ENOENT;
    const std::size_t slash = host->rfind('/');
    if (slash == std::string::npos || slash + 1 >= host->size()) return EISDIR;
    const std::string folder = slash == 0 ? std::string("/") : host->substr(0, slash);

    struct stat old;
    const bool exists = ::stat(host->c_str(), &old) == 0;
    if (exists && S_ISDIR(old.st_mode)) return EISDIR;
    const mode_t mode = exists ? (old.st_mode & 07777) : (0666 & ~currentUmask());

    // A short hidden name in the same folder, so the rename stays on one file system and a
    // long file name does not make the temporary name too long.
    std::string temporary = host->substr(0, slash + 1) + ".z2k-XXXXXX";
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0) return errno;
    int error = writeTextMode(fd, text);
    if (error == 0 && ::fchmod(fd, mode) != 0) error = errno;
    if (error == 0 && ::fsync(fd) != 0) error = errno;
    if (::close(fd) != 0 && error == 0) error = errno;
    if (error == 0 && keepBackup && exists && S_ISREG(old.st_mode)) error = keepBackupOf(*host, mode);
    if (error == 0 && ::rename(temporary.c_str(), host->c_str()) != 0) error = errno;
    if (error != 0) {
        ::unlink(temporary.c_str());
        return error;
    }
    syncFolder(folder);
    return 0;
}

bool backupsEnabled() {
    return backupsFlag();
}

void setBackupsEnabled(bool enabled) {
    backupsFlag() = enabled;
}

bool fileWritesEnabled() {
    return writesFlag();
}

void setFileWritesEnabled(bool enabled) {
    writesFlag() = enabled;
}

}  // namespace z2k
