#pragma once
// Windows hosts only: the text conversions at the Win32 boundary. Host paths and host names are
// UTF-8 there (the wide names of the file system, converted without loss); the projects' texts
// are in the code page. Every conversion must come back unchanged, so that two spellings never
// lead to one file and a name never turns into another one.
#include <optional>
#include <string>
#include <string_view>

#include "platform/CodePage.h"

namespace z2k {

// The Windows code page that stands for a code page of the projects: 932 for CP932, UTF-8 for
// UTF-8, and for single-byte text the ANSI code page when that is itself single-byte, else 1252.
unsigned windowsCodePage(CodePage page);

std::optional<std::wstring> wideFromCodePage(std::string_view text, unsigned windowsPage);
std::optional<std::string> codePageFromWide(std::wstring_view text, unsigned windowsPage);

// A host path (UTF-8) as the wide name the file system takes; nothing when it is not valid UTF-8
// or holds a NUL.
std::optional<std::wstring> wideHostPath(std::string_view hostPath);
// A wide name as host text (UTF-8); nothing when it holds a lone surrogate.
std::optional<std::string> hostText(std::wstring_view wide);

// The errno value that stands for a Win32 error code, so that both hosts word a failure alike.
int errnoOfWindowsError(unsigned long error);

}  // namespace z2k
