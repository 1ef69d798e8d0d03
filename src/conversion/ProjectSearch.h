#pragma once
// Finds project files below a directory, depth first, in the platform's enumeration order.
#include <string>
#include <string_view>
#include <vector>

#include "platform/Displays.h"

namespace z2k {

class ProjectSearch {
  public:
    // alerts receives the "Error" box of a folder that cannot be enumerated (may be null).
    explicit ProjectSearch(Alerts* alerts) : alerts_(alerts) {}

    // Appends to list (not emptied first) the full path of every file below directory whose
    // extension equals the pattern's, ignoring case. Descends (when recurse is non-zero) only
    // into entries that are exactly a plain directory, at most 50 levels deep.
    void find(std::string_view directory, std::string_view pattern, int recurse,
              std::vector<std::string>& list);

    static constexpr int kMaxDepth = 50;

  private:
    void walk(std::string_view directory, std::string_view patternExtension, int recurse, int depth,
              std::vector<std::string>& list);

    Alerts* alerts_;
};

}  // namespace z2k
