#pragma once
// The V Series linkage editor's converter: registers the linkage editor's options in its
// constructor. The two optimizing linkers derive from it: they keep these registrations and add
// or replace their own.
#include <string_view>

#include "options/OptionConverter.h"

namespace z2k {

class LinkageEditorConverter : public OptionConverter {
  public:
    LinkageEditorConverter();

  protected:
    // The options both optimizing linkers add (replacing "-default"). completeOptimizeList is the
    // tool's full "-optimize" list ("BRANCH|..."), which is written as "ALL".
    void registerOptimizingLinkerOptions(std::string_view completeOptimizeList);
};

}  // namespace z2k
