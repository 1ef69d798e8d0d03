#pragma once
// Where system paths (Windows form, X:\dir\file or \\machine\share\file) meet the host file
// system, through the drive map and the two code sets of the settings. Names are converted
// between the code page and the host's code set here.
#include <optional>
#include <string>
#include <string_view>

#include "platform/HostSettings.h"

namespace z2k {

// The host path of a system path, or nothing when the path is unmapped, not a drive path,
// or its name cannot be converted to the locale's code set (then it behaves like a missing file).
std::optional<std::string> systemToHostPath(std::string_view systemPath, const HostSettings& settings);

// The Z: form of an absolute host path: "/home/ann/a.zat" -> "Z:\home\ann\a.zat", "/" -> "Z:\".
// Nothing when the name cannot be converted to the code page.
std::optional<std::string> hostToSystemPath(std::string_view hostPath, const HostSettings& settings);

// What a front end does with a typed path: a path that begins with '/' is turned into its Z:
// form, one trailing '/' dropped (except for "/" itself); any other text is returned unchanged.
std::string typedPathToSystem(std::string_view typed, const HostSettings& settings);

// One name (or a run of names joined by '/') converted from the code page to the host's code
// set, and back. Nothing when it cannot be converted. Names are unchanged when the two code sets
// agree, when the host's is the plain C locale's, or when the text is ASCII.
std::optional<std::string> codePageNameToHost(std::string_view name, const HostSettings& settings);
std::optional<std::string> hostNameToCodePage(std::string_view name, const HostSettings& settings);

// The system form of an absolute host path that a front end made from typed text (a relative
// path joined to the current folder); nothing when its names cannot be held in the code page.
std::optional<std::string> absoluteHostPathToSystem(std::string_view hostPath, const HostSettings& settings);

// Text shown to a person, between the code page and UTF-8, never refused: a byte sequence that is
// no character of the code page becomes U+FFFD, a character that the code page lacks becomes '?'.
std::string codePageTextToUtf8(std::string_view text, CodePage page);
std::string utf8TextToCodePage(std::string_view text, CodePage page);

// The folder of a host path: the path before its last separator, the root for a name in it.
std::string hostFolderOf(const std::string& hostPath);

// What the host's paths allow. A POSIX host maps drive letters to folders and allows '' inside
// one name; on Windows drive letters are the system's own and '' separates names.
bool hostMapsDrives();
bool hostNamesMayHoldBackslash();

}  // namespace z2k
