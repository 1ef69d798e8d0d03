#include "options/QxAssemblerConverter.h"

#include <string>
#include <string_view>
#include <utility>

namespace z2k {

namespace {

// "-nolis" only switches the listing off; "-lis" switches it on and may name the listing file.
bool Listing(const OptionHandler& h, OptionPairs& pairs) {
    if (OptionConverter::IsNegative(h.ZatName())) {
        pairs.Add(h.ItemName(), "0");
        return true;
    }
    pairs.Add(h.ItemName(), "1");
    if (!h.Value().empty()) pairs.Add("S|LISTPATH", OptionConverter::RebuildConfigDirectory(h.Value()));
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
    Register("-auto", "B|AUTO_LITERAL", Flag);
    Register({"-lis", "-nolis"}, "B|LIST", Listing);
    Register("-cpu", "S|CPU", UpperCase);
    Register("-en", "S|ENDIAN", Keywords({{"b", "BIG"}, {"l", "LITTLE"}}));
    Register("-den", "B|DENORMALIZE", Keywords({{"on", "1"}, {"off", "0"}}));
    Register("-r", "S|ROUND", Keywords({{"z", "ZERO"}, {"n", "NEAREST"}}));
    SetCpuDefaults({"S|CPU", "S|ENDIAN", "B|DENORMALIZE", "S|ROUND"}, std::string(kFixedDefaults));
}

}  // namespace z2k
