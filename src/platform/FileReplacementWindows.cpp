// Replacing a file on a Windows host: the new bytes go to a temporary file in the same folder,
// are flushed, and MoveFileExW puts it over the old one (write-through). A file with the
// read-only attribute is not replaced. The backup is the old file itself under its new name (a
// hard link, or a copy where the volume has none).
#include "platform/FileReplacement.h"

#include <io.h>
#include <windows.h>

#include <cerrno>
#include <optional>

#include "platform/FileSystem.h"
#include "platform/HostFile.h"
#include "platform/HostPaths.h"
#include "platform/TemporaryOutput.h"
#include "platform/WideText.h"

namespace z2k {
namespace {

// The longest file name of the volumes in use, in bytes of its host form.
constexpr std::size_t kNameLimit = 255;
constexpr std::string_view kBackupSuffix = ".bak";

struct Target {
    std::string folder;
    std::string prefix;  // the path up to and with its last separator
    std::string name;
    std::wstring path;
    bool exists = false;
    std::wstring backup;
    std::string backupName;
};

int describe(const std::string& hostPath, Target& target) {
    target.folder = hostFolderOf(hostPath);
    const std::size_t separator = hostPath.find_last_of("\\/");
    target.prefix = separator == std::string::npos ? std::string() : hostPath.substr(0, separator + 1);
    target.name = hostPath.substr(target.prefix.size());
    if (target.name.empty() || target.name == "." || target.name == "..") return EISDIR;
    const std::optional<std::wstring> wide = wideHostPath(hostPath);
    const std::optional<std::wstring> folder = wideHostPath(target.folder);
    if (!wide || !folder) return ENOENT;
    target.path = *wide;
    const DWORD folderAttributes = ::GetFileAttributesW(folder->c_str());
    if (folderAttributes == INVALID_FILE_ATTRIBUTES) return errnoOfWindowsError(::GetLastError());
    if ((folderAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) return ENOTDIR;
    const DWORD attributes = ::GetFileAttributesW(wide->c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        const DWORD error = ::GetLastError();
        return error == ERROR_FILE_NOT_FOUND ? 0 : errnoOfWindowsError(error);
    }
    target.exists = true;
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) return EISDIR;
    if ((attributes & FILE_ATTRIBUTE_READONLY) != 0) return EACCES;
    return 0;
}

int checkBackup(const std::string& hostPath, const HostSettings& settings, Target& target) {
    target.backupName = backupFileName(target.name, kNameLimit, settings);
    const std::optional<std::wstring> backup = wideHostPath(target.prefix + target.backupName);
    if (!backup) return kErrorKeepingBackup | ENOENT;
    target.backup = *backup;
    const DWORD attributes = ::GetFileAttributesW(backup->c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
        return kErrorKeepingBackup | EISDIR;
    int error = 0;
    const int fd = openRegularFileForReading(hostPath, error);
    if (fd >= 0) ::_close(fd);
    return error == 0 ? 0 : kErrorKeepingBackup | error;
}

int check(const std::string& hostPath, bool keepBackup, const HostSettings& settings, Target& target) {
    if (const int error = describe(hostPath, target); error != 0) return error;
    if (keepBackup && target.exists) return checkBackup(hostPath, settings, target);
    return 0;
}

// One generation: an older backup is replaced.
int keepBackupOf(const Target& target) {
    if (!::DeleteFileW(target.backup.c_str()) && ::GetLastError() != ERROR_FILE_NOT_FOUND)
        return errnoOfWindowsError(::GetLastError());
    if (::CreateHardLinkW(target.backup.c_str(), target.path.c_str(), nullptr)) return 0;
    if (::CopyFileW(target.path.c_str(), target.backup.c_str(), TRUE)) return 0;
    return errnoOfWindowsError(::GetLastError());
}

}  // namespace

int checkReplaceable(const std::string& hostPath, bool keepBackup, const HostSettings& settings) {
    Target target;
    return check(hostPath, keepBackup, settings, target);
}

int replaceHostFileFrom(const std::string& hostPath, const ContentProducer& produce,
                        const ReplaceOptions& options, const HostSettings& settings,
                        std::string* shortenedBackup) {
    Target target;
    if (const int error = check(hostPath, options.keepBackup, settings, target); error != 0) return error;
    TemporaryOutput output(target.folder);
    if (const int error = output.open(); error != 0) return error;
    const int fd = output.fd();
    int error = produce([&](std::string_view piece) {
        return options.textMode ? writeAllAsText(fd, piece) : writeAll(fd, piece);
    });
    if (error == 0 && !target.backup.empty()) {
        error = keepBackupOf(target);
        if (error != 0) error |= kErrorKeepingBackup;
    }
    if (error == 0) error = output.moveTo(hostPath, target.exists);
    if (error != 0) return error;
    if (shortenedBackup != nullptr && !target.backupName.empty() &&
        target.backupName != target.name + std::string(kBackupSuffix))
        *shortenedBackup = target.backupName;
    return 0;
}

}  // namespace z2k
