#pragma once
// The value lists that both C/C++ compiler converters share: the "-sh" keyword list, the "-se"
// section list and the "-def" macro list.
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/CodePage.h"

namespace z2k {

class CompilerLists {
  public:
    using KeywordMap = std::vector<std::pair<std::string_view, std::string_view>>;

    // Each "|"-element mapped through keywords (exact comparison), unknown elements skipped,
    // joined with "|" in input order.
    static std::string showList(std::string_view value, const KeywordMap& keywords, CodePage page);
    // Each "|"-element x=y becomes upper-case(x) + "=" + y, joined with "|"; false (result
    // untouched) when an element has no "=" (an empty value is one empty element).
    static bool sectionList(std::string_view value, std::string& result, CodePage page);
    // A value without double quotes: wrapped in double quotes, escapeList, then every double
    // quote at the start and at the end removed. A value with double quotes: escapeList(value),
    // so quoted macro values keep their quotes.
    static std::string macroList(std::string_view value, CodePage page);
};

}  // namespace z2k
