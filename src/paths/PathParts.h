#pragma once
// The parts of a path: extension, file name, title, drive or machine root, parent directory.
// Paths are system-form texts (X:\dir\file or \\machine\share\file); every scan steps by whole
// characters of the active code page.
#include <string>
#include <string_view>

namespace z2k {

// The text after the last '.' of the whole path; empty when there is none.
std::string GetExtension(std::string_view path);
// The text before the last '.' of the whole path; the path unchanged when it has no '.'.
std::string RemoveExtension(std::string_view path);
// The text after the last '\'; without '\' the text after the first ':'; else the whole path.
std::string GetFileName(std::string_view path);
// RemoveExtension(GetFileName(path)).
std::string GetFileTitle(std::string_view path);
// The path without the extension of its file name: only a '.' after the last '\' (or, without
// one, after the first ':') starts it, so a dot in a folder name never moves a file formed from
// the result out of its folder. The path unchanged when the file name has no '.'.
std::string removeNameExtension(std::string_view path);

// X:\... : drive receives the letter, remainder the text after "X:\" (left as it was when the
// path has fewer than 4 characters). False when the path is not of that form.
bool ParseDrivePath(std::string_view path, std::string& drive, std::string& remainder);
// \\machine\rest : machine receives the machine name, remainder the text after its '\'.
bool ParseMachinePath(std::string_view path, std::string& machine, std::string& remainder);

// The parent directory of a drive or machine path: without a trailing '\' unless it is a root.
// False (parent untouched) when the path is neither a drive nor a machine path.
bool MoveUpDirectory(std::string_view path, std::string& parent);
// The parent from MoveUpDirectory, or the empty text when it fails.
std::string GetParentDirectory(std::string_view path);

}  // namespace z2k
