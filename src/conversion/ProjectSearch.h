#pragma once
// Finds project files below a directory, depth first, in the platform's enumeration order.
#include <cstdint>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/Displays.h"
#include "platform/HostSettings.h"

namespace z2k {

// A folder (or a project file) the search had to leave out, so that the user learns what was
// not searched: its path (its host name where it has no system form) and why.
struct SkippedEntry {
    bool folder = true;
    std::string path;
    std::string reason;
};

// Whether the search descends below the folder it is given.
enum class SearchDepth { FolderOnly, Subfolders };

class ProjectSearch {
  public:
    // alerts receives the "Error" box of each folder that is skipped (may be null).
    // Folders are read through the settings, which must outlive the search.
    ProjectSearch(Alerts* alerts, const HostSettings& settings) : alerts_(alerts), settings_(settings) {}

    // Appends to list (not emptied first) the full path of every regular file below directory
    // whose extension equals the pattern's, ignoring case. Descends (with Subfolders)
    // only into entries that are exactly a plain directory, at most 50 levels deep, and into each
    // folder once, however many paths lead to it.
    void find(std::string_view directory, std::string_view pattern, SearchDepth recurse,
              std::vector<std::string>& list);

    // Every folder that could not be searched and every project file that could not be named, in
    // the order met.
    const std::vector<SkippedEntry>& skipped() const { return skipped_; }

    static constexpr int kMaxDepth = 50;

  private:
    void walk(std::string_view directory, std::string_view patternExtension, SearchDepth recurse, int depth,
              std::vector<std::string>& list);
    void skip(bool folder, std::string path, std::string reason);

    Alerts* alerts_;
    const HostSettings& settings_;
    std::vector<SkippedEntry> skipped_;
    std::set<std::pair<std::uint64_t, std::uint64_t>> visited_;  // device and inode
};

}  // namespace z2k
