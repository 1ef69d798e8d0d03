#include "platform/TextFile.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "platform/CodePage.h"
#include "platform/FileReplacement.h"
#include "platform/FileSystem.h"
#include "platform/HostFile.h"
#include "platform/HostPaths.h"
#include "platform/TemporaryOutput.h"

namespace z2k {
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

TextReadResult readTextFile(std::string_view systemPath, const HostSettings& settings) {
    TextReadResult result;
    std::optional<std::string> host = systemToHostPath(systemPath, settings);
    if (!host) {
        result.error = ENOENT;
        return result;
    }
    const int fd = openRegularFileForReading(*host, result.error);
    if (fd < 0) return result;
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

int replaceTextFile(std::string_view systemPath, std::string_view text, const HostSettings& settings,
                    bool keepBackup, std::string* shortenedBackup) {
    return replaceTextFileFrom(
        systemPath, [text](const std::function<int(std::string_view)>& write) { return write(text); },
        settings, keepBackup, shortenedBackup);
}

int replaceTextFileFrom(std::string_view systemPath, const ContentProducer& produce,
                        const HostSettings& settings, bool keepBackup, std::string* shortenedBackup) {
    std::optional<std::string> host = systemToHostPath(systemPath, settings);
    if (!host) return ENOENT;
    // A dry run makes every check that the real replace makes before it writes.
    if (!settings.writeFiles) return checkReplaceable(*host, keepBackup, settings);
    std::string backupName;
    const int error =
        replaceHostFileFrom(*host, produce, ReplaceOptions{true, keepBackup}, settings, &backupName);
    if (error == 0 && !backupName.empty() && shortenedBackup != nullptr) {
        // The backup lies beside the file: the system path's folder and the name in the code page.
        const std::size_t separator = findLastChar(systemPath, '\\', settings.codePage);
        std::optional<std::string> name = hostNameToCodePage(backupName, settings);
        *shortenedBackup = std::string(systemPath.substr(0, separator + 1)) + name.value_or(backupName);
    }
    return error;
}

void removeStaleTemporaryFilesBeside(std::string_view systemPath, const HostSettings& settings) {
    if (!settings.writeFiles) return;
    std::optional<std::string> host = systemToHostPath(systemPath, settings);
    if (!host) return;
    removeStaleTemporaryFiles(hostFolderOf(*host));
}

}  // namespace z2k
