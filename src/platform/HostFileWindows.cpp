#include "platform/HostFile.h"

#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cerrno>
#include <optional>

#include "platform/FileSystem.h"
#include "platform/WideText.h"

namespace z2k {

int openRegularFileForReading(const std::string& hostPath, int& error) {
    const std::optional<std::wstring> wide = wideHostPath(hostPath);
    if (!wide) {
        error = ENOENT;
        return -1;
    }
    // Others may read and write the file meanwhile: an open KOR or ZAT environment never blocks it.
    const HANDLE file = ::CreateFileW(wide->c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        const DWORD failure = ::GetLastError();
        const DWORD attributes = ::GetFileAttributesW(wide->c_str());
        // A folder cannot be opened this way at all: it is named as a folder, as on every host.
        const bool folder = attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        error = folder ? EISDIR : errnoOfWindowsError(failure);
        return -1;
    }
    // A device (NUL, CON, COM1, a pipe) would never end or would wait: only disk files are read.
    if (::GetFileType(file) != FILE_TYPE_DISK) {
        ::CloseHandle(file);
        error = kErrorNotRegularFile;
        return -1;
    }
    const int fd = ::_open_osfhandle(reinterpret_cast<intptr_t>(file), _O_RDONLY | _O_BINARY);
    if (fd < 0) {
        ::CloseHandle(file);
        error = EMFILE;
        return -1;
    }
    error = 0;
    return fd;
}

}  // namespace z2k
