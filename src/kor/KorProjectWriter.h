#pragma once
// Writes a KOR project (.krp): every table of the project in the file's order, each announced
// on the progress display, then the composed tables of the maps, in one pass and one atomic
// replace of the file.
#include <string_view>

#include "kor/KorProject.h"
#include "kor/KorWritePolicy.h"
#include "textdb/Version2Writer.h"

namespace z2k {

// The file is path after the database file-name rule. The project is left as it was.
WriteStatus writeKorProject(const KorProject& project, std::string_view path, const KorWritePolicy& policy);

}  // namespace z2k
