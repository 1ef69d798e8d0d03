#include "conversion/ProjectSearch.h"

#include "paths/PathChars.h"
#include "paths/PathParts.h"
#include "platform/CodePage.h"
#include "platform/FileSystem.h"

namespace z2k {

namespace {

const char* problemText(NameProblem problem) {
    return problem == NameProblem::HoldsBackslash ? "the name holds a backslash"
                                                  : "the name has no form in the code page";
}

// The extension of a host name, compared with ASCII letters folded whatever the code page.
bool hostNameHasExtension(std::string_view name, std::string_view extension) {
    const std::size_t dot = name.rfind('.');
    return dot != std::string_view::npos &&
           equalsIgnoreCase(name.substr(dot + 1), extension, CodePage::SingleByte);
}

}  // namespace

void ProjectSearch::find(std::string_view directory, std::string_view pattern, SearchDepth recurse,
                         std::vector<std::string>& list) {
    const std::string patternExtension = getExtension(pattern, settings_.codePage);
    walk(directory, patternExtension, recurse, 0, list);
}

void ProjectSearch::skip(bool folder, std::string path, std::string reason) {
    // The box names the folder as well as the system's reason.
    if (alerts_ != nullptr) alerts_->show(path + ": " + reason, "Error", AlertIcon::Information);
    skipped_.push_back(SkippedEntry{folder, std::move(path), std::move(reason)});
}

void ProjectSearch::walk(std::string_view directory, std::string_view patternExtension, SearchDepth recurse,
                         int depth, std::vector<std::string>& list) {
    if (depth >= kMaxDepth) return;

    std::string base(directory);
    const CodePage page = settings_.codePage;
    if (base.empty() || base[lastChar(base, page)] != '\\') base += '\\';

    const DirectoryListing listing = enumerateDirectory(base + "*.*", settings_);
    if (!listing.ok && listing.unnamed.empty()) {
        skip(true, std::string(directory), errorDescription(listing.error));
        return;
    }
    // A folder reached again through a bind mount or any other second path is not searched
    // again: each of its projects would be converted, and its .krp replaced, once per path.
    if (!visited_.emplace(listing.device, listing.inode).second) return;

    for (const DirectoryEntry& entry : listing.unnamed) {
        if (entry.attributes == kAttributeDirectory && recurse == SearchDepth::Subfolders) {
            skip(true, base + entry.name, problemText(entry.nameProblem));
        } else if (entry.regularFile && hostNameHasExtension(entry.name, patternExtension)) {
            skip(false, base + entry.name, problemText(entry.nameProblem));
        }
    }

    for (const DirectoryEntry& entry : listing.entries) {
        // Only a plain folder is entered: one that is also hidden, read-only or a link is not.
        if (entry.attributes == kAttributeDirectory) {
            if (entry.name != "." && entry.name != ".." && recurse == SearchDepth::Subfolders) {
                walk(base + entry.name, patternExtension, recurse, depth + 1, list);
            }
        } else if (entry.regularFile &&
                   equalsIgnoreCase(getExtension(entry.name, page), patternExtension, page)) {
            // A FIFO, socket or device of that name is no project; a link to a regular file is.
            list.push_back(base + entry.name);
        }
    }
}

}  // namespace z2k
