#include "platform/WideText.h"

#include <windows.h>

#include <cerrno>

namespace z2k {

namespace {

std::optional<std::wstring> toWide(std::string_view text, unsigned page) {
    if (text.empty()) return std::wstring();
    if (text.find('\0') != std::string_view::npos) return std::nullopt;
    const int size = static_cast<int>(text.size());
    const int length = ::MultiByteToWideChar(page, MB_ERR_INVALID_CHARS, text.data(), size, nullptr, 0);
    if (length <= 0) return std::nullopt;
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    ::MultiByteToWideChar(page, MB_ERR_INVALID_CHARS, text.data(), size, wide.data(), length);
    return wide;
}

std::optional<std::string> fromWide(std::wstring_view wide, unsigned page) {
    if (wide.empty()) return std::string();
    const int size = static_cast<int>(wide.size());
    // UTF-8 takes no best-fit flag and reports no default character: it fails on a lone surrogate.
    const bool utf8 = page == CP_UTF8;
    const DWORD flags = utf8 ? WC_ERR_INVALID_CHARS : WC_NO_BEST_FIT_CHARS;
    BOOL usedDefault = FALSE;
    BOOL* used = utf8 ? nullptr : &usedDefault;
    const int length = ::WideCharToMultiByte(page, flags, wide.data(), size, nullptr, 0, nullptr, used);
    if (length <= 0 || usedDefault) return std::nullopt;
    std::string text(static_cast<std::size_t>(length), '\0');
    ::WideCharToMultiByte(page, flags, wide.data(), size, text.data(), length, nullptr, used);
    if (usedDefault) return std::nullopt;
    return text;
}

}  // namespace

unsigned windowsCodePage(CodePage page) {
    switch (page) {
        case CodePage::Cp932:
            return 932;
        case CodePage::Utf8:
            return CP_UTF8;
        case CodePage::SingleByte:
            break;
    }
    CPINFO info{};
    return ::GetCPInfo(CP_ACP, &info) && info.MaxCharSize == 1 ? ::GetACP() : 1252;
}

std::optional<std::wstring> wideFromCodePage(std::string_view text, unsigned windowsPage) {
    std::optional<std::wstring> wide = toWide(text, windowsPage);
    if (!wide) return std::nullopt;
    const std::optional<std::string> back = fromWide(*wide, windowsPage);
    if (!back || *back != text) return std::nullopt;
    return wide;
}

std::optional<std::string> codePageFromWide(std::wstring_view wide, unsigned windowsPage) {
    std::optional<std::string> text = fromWide(wide, windowsPage);
    if (!text) return std::nullopt;
    const std::optional<std::wstring> back = toWide(*text, windowsPage);
    if (!back || *back != wide) return std::nullopt;
    return text;
}

std::optional<std::wstring> wideHostPath(std::string_view hostPath) {
    return toWide(hostPath, CP_UTF8);
}

std::optional<std::string> hostText(std::wstring_view wide) {
    return fromWide(wide, CP_UTF8);
}

int errnoOfWindowsError(unsigned long error) {
    switch (error) {
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
        case ERROR_INVALID_NAME:
        case ERROR_BAD_NETPATH:
        case ERROR_BAD_NET_NAME:
        case ERROR_INVALID_DRIVE:
        case ERROR_NO_MORE_FILES:
        case ERROR_DIRECTORY:
            return ENOENT;
        case ERROR_ACCESS_DENIED:
        case ERROR_SHARING_VIOLATION:
        case ERROR_LOCK_VIOLATION:
        case ERROR_WRITE_PROTECT:
            return EACCES;
        case ERROR_FILE_EXISTS:
        case ERROR_ALREADY_EXISTS:
            return EEXIST;
        case ERROR_DISK_FULL:
        case ERROR_HANDLE_DISK_FULL:
            return ENOSPC;
        case ERROR_FILENAME_EXCED_RANGE:
            return ENAMETOOLONG;
        case ERROR_NOT_ENOUGH_MEMORY:
        case ERROR_OUTOFMEMORY:
            return ENOMEM;
        case ERROR_DIR_NOT_EMPTY:
            return ENOTEMPTY;
        default:
            return EIO;
    }
}

}  // namespace z2k
