#include "options/QxAssemblerConverter.h"

#include <string>
#include <string_view>
#include <utility>

namespace z2k {

namespace {

// "-nolis" only switches the listing off; "-lis" switches it on and may name the listing file.
bool listing(const OptionHandler& h, OptionPairs& pairs) {
    const CodePage page = h.page();
    if (OptionConverter::isNegative(h.zatName())) {
        pairs.add(h.itemName(), "0");
        return true;
    }
    pairs.add(h.itemName(), "1");
    if (!h.value().empty()) pairs.add("S|LISTPATH", OptionConverter::rebuildConfigDirectory(h.value(), page));
    return true;
}

}  // namespace

// The show elements of the QX assembler, in the order an empty value lists them; the value of
// "-sh" may stand in parentheses.
QxAssemblerConverter::QxAssemblerConverter()
    : AssemblerConverter({{"con", "CONDITIONALS"},
                          {"d", "DEFINITIONS"},
                          {"ca", "CALLS"},
                          {"e", "EXPANSIONS"},
                          {"cod", "CODE"}},
                         true) {
    registerOption("-auto", "B|AUTO_LITERAL", flag);
    registerOption({"-lis", "-nolis"}, "B|LIST", listing);
    registerOption("-cpu", "S|CPU", upperCase);
    registerOption("-en", "S|ENDIAN", keywords({{"b", "BIG"}, {"l", "LITTLE"}}));
    registerOption("-den", "B|DENORMALIZE", keywords({{"on", "1"}, {"off", "0"}}));
    registerOption("-r", "S|ROUND", keywords({{"z", "ZERO"}, {"n", "NEAREST"}}));
    setCpuDefaults({"S|CPU", "S|ENDIAN", "B|DENORMALIZE", "S|ROUND"}, std::string(kFixedDefaults));
}

}  // namespace z2k
