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

// Ends a listing that every entry was read into, the same on every host: the entries in the
// order of their names with ASCII letters folded to lower case (names that fold alike in their
// byte order), the unnamed ones by bytes; no entry at all fails with ENOENT, as the desktop's
// "no entries" ends the enumeration at its start.
void finishListing(DirectoryListing& listing, CodePage page);

}  // namespace z2k
