#pragma once
// Where system paths (Windows form, X:\dir\file or \\machine\share\file) meet the host file
// system. Z: is the host root; other drives are mapped by front ends and tests; machine paths
// are never mapped. Names are converted between the code page and the locale's code set here.
#include <optional>
#include <string>
#include <string_view>

namespace z2k {

// Maps a drive letter (either case) to a host folder. Z: starts mapped to "/".
void mapDrive(char drive, std::string hostFolder);
void unmapDrive(char drive);
// Back to the start state: only Z: mapped to "/".
void resetDriveMap();

// The host path of a system path, or nothing when the path is unmapped, not a drive path,
// or its name cannot be converted to the locale's code set (then it behaves like a missing file).
std::optional<std::string> systemToHostPath(std::string_view systemPath);

// The Z: form of an absolute host path: "/home/ann/a.zat" -> "Z:\home\ann\a.zat", "/" -> "Z:\".
// Nothing when the name cannot be converted to the code page.
std::optional<std::string> hostToSystemPath(std::string_view hostPath);

// What a front end does with a typed path: a path that begins with '/' is turned into its Z:
// form, one trailing '/' dropped (except for "/" itself); any other text is returned unchanged.
std::string typedPathToSystem(std::string_view typed);

// One name (or a run of names joined by '/') converted from the active code page to the
// locale's code set, and back. Nothing when it cannot be converted. Names are unchanged when the
// two code sets agree, when the locale is the plain C locale, or when the text is ASCII.
std::optional<std::string> codePageNameToHost(std::string_view name);
std::optional<std::string> hostNameToCodePage(std::string_view name);

// The host folder a drive letter is mapped to, or nothing.
std::optional<std::string> mappedDriveFolder(char drive);

}  // namespace z2k
