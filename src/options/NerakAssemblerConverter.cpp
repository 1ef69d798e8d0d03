#include "options/NerakAssemblerConverter.h"

#include <string>
#include <string_view>
#include <utility>

namespace z2k {

namespace {

// The listing switch keeps the listing path whenever a value is given, also for "-nolis".
bool Listing(const OptionHandler& h, OptionPairs& pairs) {
    OptionConverter::Flag(h, pairs);
    if (!h.Value().empty()) pairs.Add("S|LISTPATH", OptionConverter::RebuildConfigDirectory(h.Value()));
    return true;
}

// "-abs8"/"-abs16": ("B|" + item, "1") and, with a value, ("S|" + item, EscapeList(value)).
bool AbsoluteSymbols(const OptionHandler& h, OptionPairs& pairs) {
    pairs.Add("B|" + h.ItemName(), "1");
    if (!h.Value().empty()) pairs.Add("S|" + h.ItemName(), OptionConverter::EscapeList(h.Value()));
    return true;
}

}  // namespace

// The show elements of the Nerak assembler, in the order an empty value lists them.
NerakAssemblerConverter::NerakAssemblerConverter()
    : AssemblerConverter({{"con", "CONDITIONALS"},
                          {"d", "DEFINITIONS"},
                          {"ca", "CALLS"},
                          {"e", "EXPANSIONS"},
                          {"s", "STRUCTURED"},
                          {"cod", "CODE"}},
                         false) {
    Register("-br", "I|BR_RELATIVE", Verbatim);
    Register({"-e", "-noe"}, "B|EXCLUDE", Flag);
    Register({"-lis", "-nolis"}, "B|LIST", Listing);
    Register({"-op", "-noop"}, "B|OPTIMIZE", Flag);
    Register("-go", "B|GOPTIMIZE", Flag);
    Register("-abs8", "ABS8", AbsoluteSymbols);
    Register("-abs16", "ABS16", AbsoluteSymbols);
    Register("-cp", "S|CPU", UpperCase);
    SetCpuDefaults({"S|CPU"}, std::string(kFixedDefaults));
}

}  // namespace z2k
