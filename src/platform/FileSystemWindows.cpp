// Attributes, enumeration and status of files on a Windows host, through the wide Win32 calls.
#include "platform/FileSystem.h"

#include <windows.h>

#include <algorithm>
#include <cerrno>
#include <optional>

#include "platform/CodePage.h"
#include "platform/EntryNames.h"
#include "platform/HostPaths.h"
#include "platform/WideText.h"

namespace z2k {
namespace {

// The bits the system knows; the rest (archive, normal, indexed...) would make the same file
// look different here and on a POSIX host.
constexpr DWORD kKnownAttributes =
    kAttributeReadOnly | kAttributeHidden | kAttributeDirectory | kAttributeReparsePoint;

std::optional<std::wstring> widePath(std::string_view systemPath, const HostSettings& settings) {
    const std::optional<std::string> host = systemToHostPath(systemPath, settings);
    if (!host) return std::nullopt;
    return wideHostPath(*host);
}

// The volume and file index of what a wide path leads to (links followed), folders included.
std::optional<FileIdentity> identityOf(const std::wstring& path) {
    const HANDLE handle = ::CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                        nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return std::nullopt;
    BY_HANDLE_FILE_INFORMATION info{};
    const bool ok = ::GetFileInformationByHandle(handle, &info) != 0;
    ::CloseHandle(handle);
    if (!ok) return std::nullopt;
    return FileIdentity{info.dwVolumeSerialNumber,
                        (static_cast<std::uint64_t>(info.nFileIndexHigh) << 32) | info.nFileIndexLow};
}

// Adds the entries of one find record to the listing, as the POSIX host's enumeration does.
void addEntry(const WIN32_FIND_DATAW& found, std::string_view pattern, bool isRoot, const HostSettings& settings,
              DirectoryListing& listing) {
    const std::wstring_view wideName(found.cFileName);
    const bool dotEntry = wideName == L"." || wideName == L"..";
    if (dotEntry && isRoot) return;
    DirectoryEntry entry;
    entry.attributes = found.dwFileAttributes & kKnownAttributes;
    entry.regularFile = (found.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE)) == 0;
    const std::optional<std::string> name = codePageFromWide(wideName, windowsCodePage(settings.codePage));
    if (!name) {
        entry.nameProblem = NameProblem::NotInCodePage;
        entry.name = hostText(wideName).value_or("?");
        listing.unnamed.push_back(std::move(entry));
        return;
    }
    if (!wildcardMatch(pattern, *name, settings.codePage)) return;
    entry.name = *name;
    listing.entries.push_back(std::move(entry));
}

}  // namespace

AttributeResult getFileAttributes(std::string_view systemPath, const HostSettings& settings) {
    AttributeResult result;
    const std::optional<std::wstring> wide = widePath(systemPath, settings);
    if (!wide) {
        result.error = ENOENT;
        return result;
    }
    const DWORD attributes = ::GetFileAttributesW(wide->c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        result.error = errnoOfWindowsError(::GetLastError());
        return result;
    }
    result.attributes = attributes & kKnownAttributes;
    result.ok = true;
    return result;
}

DirectoryListing enumerateDirectory(std::string_view systemPattern, const HostSettings& settings) {
    DirectoryListing listing;
    const CodePage page = settings.codePage;
    const std::size_t lastSeparator = findLastChar(systemPattern, '\\', page);
    if (lastSeparator == std::string_view::npos) {
        listing.error = ENOENT;
        return listing;
    }
    std::string directory(systemPattern.substr(0, lastSeparator));
    const std::string_view pattern = systemPattern.substr(lastSeparator + 1);
    const bool isRoot = directory.size() == 2 && directory[1] == ':';
    if (isRoot) directory += '\\';
    const std::optional<std::wstring> folder = widePath(directory, settings);
    if (!folder) {
        listing.error = ENOENT;
        return listing;
    }
    // Every name is read and matched here, so that a pattern matches as on every host.
    std::wstring everything = *folder;
    if (everything.back() != L'\\' && everything.back() != L'/') everything += L'\\';
    everything += L'*';
    WIN32_FIND_DATAW found{};
    const HANDLE find = ::FindFirstFileExW(everything.c_str(), FindExInfoBasic, &found, FindExSearchNameMatch,
                                           nullptr, FIND_FIRST_EX_LARGE_FETCH);
    if (find == INVALID_HANDLE_VALUE) {
        listing.error = errnoOfWindowsError(::GetLastError());
        return listing;
    }
    do {
        addEntry(found, pattern, isRoot, settings, listing);
    } while (::FindNextFileW(find, &found));
    ::FindClose(find);
    if (const std::optional<FileIdentity> identity = identityOf(*folder)) {
        listing.device = identity->device;
        listing.inode = identity->inode;
    }
    finishListing(listing, page);
    return listing;
}

FileStatus fileStatus(std::string_view systemPath, const HostSettings& settings) {
    FileStatus status;
    const std::optional<std::wstring> wide = widePath(systemPath, settings);
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!wide || !::GetFileAttributesExW(wide->c_str(), GetFileExInfoStandard, &data)) return status;
    status.exists = true;
    status.size = (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    const std::uint64_t ticks =
        (static_cast<std::uint64_t>(data.ftLastWriteTime.dwHighDateTime) << 32) | data.ftLastWriteTime.dwLowDateTime;
    status.modifiedNanoseconds = static_cast<std::int64_t>(ticks) * 100;  // 100 ns ticks since 1601
    return status;
}

std::optional<FileIdentity> fileIdentity(std::string_view systemPath, const HostSettings& settings) {
    const std::optional<std::wstring> wide = widePath(systemPath, settings);
    if (!wide) return std::nullopt;
    return identityOf(*wide);
}

int checkFileCreatable(std::string_view systemPath, const HostSettings& settings) {
    const std::optional<std::string> host = systemToHostPath(systemPath, settings);
    return host ? checkHostFileCreatable(*host) : ENOENT;
}

int checkHostFileCreatable(const std::string& hostPath) {
    const std::optional<std::wstring> wide = wideHostPath(hostPath);
    if (!wide) return ENOENT;
    const DWORD target = ::GetFileAttributesW(wide->c_str());
    if (target != INVALID_FILE_ATTRIBUTES && (target & FILE_ATTRIBUTE_DIRECTORY) != 0) return EISDIR;
    const std::optional<std::wstring> folder = wideHostPath(hostFolderOf(hostPath));
    const DWORD parent = folder ? ::GetFileAttributesW(folder->c_str()) : INVALID_FILE_ATTRIBUTES;
    if (parent == INVALID_FILE_ATTRIBUTES) return folder ? errnoOfWindowsError(::GetLastError()) : ENOENT;
    if ((parent & FILE_ATTRIBUTE_DIRECTORY) == 0) return ENOTDIR;
    return 0;
}

}  // namespace z2k
