#include "conversion/ProjectSearch.h"

#include "paths/PathChars.h"
#include "paths/PathParts.h"
#include "platform/CodePage.h"
#include "platform/FileSystem.h"

namespace z2k {

void ProjectSearch::find(std::string_view directory, std::string_view pattern, int recurse,
                         std::vector<std::string>& list) {
    const std::string patternExtension = GetExtension(pattern);
    walk(directory, patternExtension, recurse, 0, list);
}

void ProjectSearch::walk(std::string_view directory, std::string_view patternExtension, int recurse,
                         int depth, std::vector<std::string>& list) {
    if (depth >= kMaxDepth) return;

    std::string base(directory);
    if (base.empty() || base[LastChar(base)] != '\\') base += '\\';

    const DirectoryListing listing = enumerateDirectory(base + "*.*");
    if (!listing.ok) {
        if (alerts_ != nullptr)
            alerts_->show(errorDescription(listing.error), "Error", AlertIcon::Information);
        return;
    }

    for (const DirectoryEntry& entry : listing.entries) {
        // Only a plain folder is entered: one that is also hidden, read-only or a link is not.
        if (entry.attributes == kAttributeDirectory) {
            if (entry.name != "." && entry.name != ".." && recurse != 0) {
                walk(base + entry.name, patternExtension, recurse, depth + 1, list);
            }
        } else if (equalsIgnoreCase(GetExtension(entry.name), patternExtension)) {
            list.push_back(base + entry.name);
        }
    }
}

}  // namespace z2k
