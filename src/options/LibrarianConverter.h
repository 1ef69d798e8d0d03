#pragma once
// The V Series librarian's converter. The librarian keeps its options as subcommands
// ("create "c:\Lib\userlib.lib""), which the rewrite turns into -name=value options first.
#include <string>
#include <string_view>

#include "options/OptionConverter.h"

namespace z2k {

class LibrarianConverter : public OptionConverter {
  public:
    LibrarianConverter();

    // Each TAB-separated piece gets a leading "-" when it has none, and its first blank, when
    // that blank is not inside a pair of double quotes, becomes "=":
    // "replace "userlib.lib"" -> "-replace="userlib.lib"".
    std::string rewriteOptionString(std::string_view zatOptions, CodePage page) const override;
};

}  // namespace z2k
