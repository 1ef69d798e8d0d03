#pragma once
// The V Series S-type converter's converter. Its ZAT option string begins with the input file and
// the output files, which the rewrite turns into one "-output" option first.
#include <string>
#include <string_view>

#include "options/OptionConverter.h"

#include "platform/CodePage.h"

namespace z2k {

class StypeConverter : public OptionConverter {
  public:
    StypeConverter();

    // A string that does not start with "-" loses everything up to its first TAB (the input
    // file) and gets "-output=" in front; then every TAB not followed by "-" becomes ",".
    std::string rewriteOptionString(std::string_view zatOptions, CodePage page) const override;

    // The "-output" value: a "|" between two hexadecimal digits (from position 2 on) becomes
    // ",", which rejoins the address ranges that the comma clean-up split.
    static std::string rejoinAddressRanges(std::string_view value, CodePage page);
};

}  // namespace z2k
