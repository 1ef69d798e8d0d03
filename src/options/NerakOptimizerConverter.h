#pragma once
// The Nerak optimizer's converter: the linkage editor's registrations plus the optimizing
// linker's own, with the Nerak optimizer's abbreviations, "-op" and the address lists.
#include <string>
#include <string_view>

#include "options/LinkageEditorConverter.h"

#include "platform/CodePage.h"

namespace z2k {

class NerakOptimizerConverter : public LinkageEditorConverter {
  public:
    NerakOptimizerConverter();

    // The "-op" value ("st|r", "sp", ...) as the list of optimize items, collapsed to "SAFE",
    // "SPEED" or "ALL" where it holds exactly those groups.
    static std::string expandOptimizeAbbreviations(std::string_view value, CodePage page);
    // The "-abs" address list: each element "start+size" as "%09lX+%09lX" (a missing size is 0).
    static std::string formatAddressList(std::string_view value, CodePage page);
};

}  // namespace z2k
