// The temporary output of a Windows host: a named file ".z2k-PID-XXXXXX" in the target's folder,
// open without sharing for writing, moved over the target with MoveFileExW. A file left by a
// writer that died is taken away by the next run that writes in its folder, once no process of
// that number exists and the file can be opened alone.
#include "platform/TemporaryOutput.h"

#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cerrno>
#include <optional>
#include <random>
#include <string_view>

#include "platform/WideText.h"

namespace z2k {
namespace {

constexpr std::wstring_view kPrefix = L".z2k-";
constexpr std::size_t kUniqueLength = 6;

std::wstring uniquePart() {
    static constexpr wchar_t kAlphabet[] = L"abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    std::random_device random;
    std::wstring part;
    for (std::size_t i = 0; i < kUniqueLength; ++i) part += kAlphabet[random() % (std::size(kAlphabet) - 1)];
    return part;
}

std::wstring withSeparator(std::wstring folder) {
    if (!folder.empty() && folder.back() != L'\\' && folder.back() != L'/') folder += L'\\';
    return folder;
}

// The process id in a name of the form ".z2k-PID-XXXXXX", or 0 when it has another form.
DWORD writerOf(std::wstring_view name) {
    if (name.substr(0, kPrefix.size()) != kPrefix) return 0;
    name.remove_prefix(kPrefix.size());
    const std::size_t dash = name.find(L'-');
    if (dash == 0 || dash == std::wstring_view::npos || dash > 10 || name.size() != dash + 1 + kUniqueLength)
        return 0;
    unsigned long long pid = 0;
    for (wchar_t c : name.substr(0, dash)) {
        if (c < L'0' || c > L'9') return 0;
        pid = pid * 10 + static_cast<unsigned>(c - L'0');
    }
    return pid > 0xFFFFFFFFull ? 0 : static_cast<DWORD>(pid);
}

bool processExists(DWORD pid) {
    const HANDLE process = ::OpenProcess(SYNCHRONIZE, FALSE, pid);
    if (process == nullptr) return ::GetLastError() == ERROR_ACCESS_DENIED;
    const bool running = ::WaitForSingleObject(process, 0) == WAIT_TIMEOUT;
    ::CloseHandle(process);
    return running;
}

std::optional<std::string> hostOf(const std::wstring& wide) {
    return hostText(wide);
}

}  // namespace

TemporaryOutput::~TemporaryOutput() {
    if (fd_ >= 0) ::_close(fd_);
    if (!name_.empty())
        if (const std::optional<std::wstring> wide = wideHostPath(name_)) ::DeleteFileW(wide->c_str());
}

int TemporaryOutput::open() {
    return openNamed();
}

int TemporaryOutput::openNamed() {
    const std::optional<std::wstring> folder = wideHostPath(folder_);
    if (!folder) return ENOENT;
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::wstring name = withSeparator(*folder) + std::wstring(kPrefix) +
                                  std::to_wstring(::GetCurrentProcessId()) + L"-" + uniquePart();
        const HANDLE file = ::CreateFileW(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                          FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE) {
            const DWORD error = ::GetLastError();
            if (error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS) continue;
            return errnoOfWindowsError(error);
        }
        fd_ = ::_open_osfhandle(reinterpret_cast<intptr_t>(file), _O_WRONLY | _O_BINARY);
        name_ = hostOf(name).value_or(std::string());
        if (fd_ < 0) {
            ::CloseHandle(file);
            return EMFILE;
        }
        return 0;
    }
    return EEXIST;
}

int TemporaryOutput::moveTo(const std::string& target, bool) {
    const std::optional<std::wstring> from = wideHostPath(name_);
    const std::optional<std::wstring> to = wideHostPath(target);
    if (!from || !to) return ENOENT;
    // Flushed and closed first: a file open for writing cannot be moved.
    if (fd_ >= 0) {
        const bool flushed = ::FlushFileBuffers(reinterpret_cast<HANDLE>(::_get_osfhandle(fd_))) != 0;
        const int closed = ::_close(fd_);
        fd_ = -1;
        if (!flushed || closed != 0) return EIO;
    }
    if (!::MoveFileExW(from->c_str(), to->c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return errnoOfWindowsError(::GetLastError());
    name_.clear();
    return 0;
}

void removeStaleTemporaryFiles(const std::string& hostFolder) {
    const std::optional<std::wstring> folder = wideHostPath(hostFolder);
    if (!folder) return;
    const std::wstring prefix = withSeparator(*folder);
    WIN32_FIND_DATAW found{};
    const HANDLE find = ::FindFirstFileExW((prefix + std::wstring(kPrefix) + L"*").c_str(), FindExInfoBasic, &found,
                                           FindExSearchNameMatch, nullptr, 0);
    if (find == INVALID_HANDLE_VALUE) return;
    do {
        const DWORD writer = writerOf(found.cFileName);
        if (writer == 0 || writer == ::GetCurrentProcessId() || processExists(writer)) continue;
        if ((found.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) != 0) continue;
        // Opened alone, or not at all: a writer that still has it open keeps it.
        const std::wstring path = prefix + found.cFileName;
        const HANDLE file = ::CreateFileW(path.c_str(), DELETE, 0, nullptr, OPEN_EXISTING,
                                          FILE_FLAG_DELETE_ON_CLOSE | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
        if (file != INVALID_HANDLE_VALUE) ::CloseHandle(file);
    } while (::FindNextFileW(find, &found));
    ::FindClose(find);
}

}  // namespace z2k
