#pragma once
// The rules for names in a folder that every host's enumeration shares, so that a folder lists
// the same entries in the same order on every host.
#include <string_view>
#include <vector>

#include "platform/CodePage.h"
#include "platform/FileSystem.h"

namespace z2k {

// '?' is one character, '*' any run of characters; ASCII letters match either case.
bool wildcardMatch(std::string_view pattern, std::string_view name, CodePage page);

// The entries in the order of their names with ASCII letters folded to lower case; names that
// fold alike in their byte order.
std::vector<DirectoryEntry> sortedByFoldedName(std::vector<DirectoryEntry> entries, CodePage page);

}  // namespace z2k
