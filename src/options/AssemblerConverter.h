#pragma once
// What the two assemblers' converters share: the options both register, the output kind, and the
// "-sh"/"-nosh" show switches over each tool's own list of show elements.
#include <string_view>
#include <vector>

#include "options/OptionConverter.h"

namespace z2k {

class AssemblerConverter : public OptionConverter {
  protected:
    struct ShowElement {
        std::string_view element;
        std::string_view suffix;
    };

    // The defaults both assemblers give when no CPU item is present.
    static constexpr std::string_view kFixedDefaults =
        "[B|DEBUG|1] [S|OUTPUTPATH|\"$(CONFIGDIR)\\$(FILELEAF).obj\"] [B|LIST|0] [B|CHGINCPATH|1] "
        "[B|ERRORPATH|1]";

    // Registers the shared options. showElements lists the "-sh" elements in the order an empty
    // value gives them; stripParentheses drops the "(" and ")" around a "-sh" value first.
    AssemblerConverter(std::vector<ShowElement> showElements, bool stripParentheses);
};

}  // namespace z2k
