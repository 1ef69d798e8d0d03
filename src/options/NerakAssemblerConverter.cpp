#include "options/NerakAssemblerConverter.h"

#include <string>
#include <string_view>
#include <utility>

namespace z2k {

namespace {

// The listing switch keeps the listing path whenever a value is given, also for "-nolis".
bool listing(const OptionHandler& h, OptionPairs& pairs) {
    OptionConverter::flag(h, pairs);
    if (!h.value().empty())
        pairs.add("S|LISTPATH", OptionConverter::rebuildConfigDirectory(h.value(), h.page()));
    return true;
}

// "-abs8"/"-abs16": ("B|" + item, "1") and, with a value, ("S|" + item, escapeList(value)).
bool absoluteSymbols(const OptionHandler& h, OptionPairs& pairs) {
    pairs.add(std::string("B|").append(h.itemName()), "1");
    if (!h.value().empty())
        OptionConverter::appendEscapedList(pairs.openValue(std::string("S|").append(h.itemName())), h.value(),
                                           h.page());
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
    registerOption("-br", "I|BR_RELATIVE", verbatim);
    registerOption({"-e", "-noe"}, "B|EXCLUDE", flag);
    registerOption({"-lis", "-nolis"}, "B|LIST", listing);
    registerOption({"-op", "-noop"}, "B|OPTIMIZE", flag);
    registerOption("-go", "B|GOPTIMIZE", flag);
    registerOption("-abs8", "ABS8", absoluteSymbols);
    registerOption("-abs16", "ABS16", absoluteSymbols);
    registerOption("-cp", "S|CPU", upperCase);
    setCpuDefaults({"S|CPU"}, std::string(kFixedDefaults));
}

}  // namespace z2k
