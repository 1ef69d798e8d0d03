#pragma once
// The parts of a path: extension, file name, title, drive or machine root, parent directory.
// Paths are system-form texts (X:\dir\file or \\machine\share\file); every scan steps by whole
// characters of the code page.
#include <string>
#include <string_view>

#include "platform/CodePage.h"

namespace z2k {

// The text after the last '.' of the whole path; empty when there is none.
std::string getExtension(std::string_view path, CodePage page);
// The text before the last '.' of the whole path; the path unchanged when it has no '.'.
std::string removeExtension(std::string_view path, CodePage page);
// The text after the last '\'; without '\' the text after the first ':'; else the whole path.
std::string getFileName(std::string_view path, CodePage page);
// removeExtension(getFileName(path)).
std::string getFileTitle(std::string_view path, CodePage page);
// The path without the extension of its file name: only a '.' after the last '\' (or, without
// one, after the first ':') starts it, so a dot in a folder name never moves a file formed from
// the result out of its folder. The path unchanged when the file name has no '.'.
std::string removeNameExtension(std::string_view path, CodePage page);

// X:\... : drive receives the letter, remainder the text after "X:\" (left as it was when the
// path has fewer than 4 characters). False when the path is not of that form.
bool parseDrivePath(std::string_view path, CodePage page, std::string& drive, std::string& remainder);
// \\machine\rest : machine receives the machine name, remainder the text after its '\'.
bool parseMachinePath(std::string_view path, CodePage page, std::string& machine, std::string& remainder);

// The parent directory of a drive or machine path: without a trailing '\' unless it is a root.
// False (parent untouched) when the path is neither a drive nor a machine path.
bool moveUpDirectory(std::string_view path, CodePage page, std::string& parent);
// The parent from moveUpDirectory, or the empty text when it fails.
std::string getParentDirectory(std::string_view path, CodePage page);

}  // namespace z2k
