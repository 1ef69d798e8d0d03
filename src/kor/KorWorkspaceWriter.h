#pragma once
// Writes a KOR workspace (.krs) in one pass and one atomic replace of the file. The workspace
// writer shows no progress messages.
#include <string>
#include <string_view>

#include "kor/KorWorkspace.h"
#include "kor/KorWritePolicy.h"
#include "textdb/Version2Writer.h"

namespace z2k {

// The file written for a workspace path (directory, "\", name; an extension, if any, is
// ignored): the parent directory, one "\" unless it already ends in one, the file title and
// ".krs". Empty when the path is empty.
std::string korWorkspaceFile(std::string_view path, CodePage page);

// Writes the workspace to korWorkspaceFile(path). The workspace is left as it was.
WriteStatus writeKorWorkspace(const KorWorkspace& workspace, std::string_view path,
                              const KorWritePolicy& policy);

}  // namespace z2k
