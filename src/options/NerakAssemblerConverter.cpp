#include "options/NerakAssemblerConverter.h"

#include <array>
#include <string>
#include <string_view>
#include <utility>

namespace z2k {

namespace {

struct ShowElement {
    std::string_view element;
    std::string_view suffix;
};

// The show elements of the Nerak assembler, in the order an empty value lists them.
constexpr std::array<ShowElement, 6> kShowElements = {{
    {"con", "CONDITIONALS"},
    {"d", "DEFINITIONS"},
    {"ca", "CALLS"},
    {"e", "EXPANSIONS"},
    {"s", "STRUCTURED"},
    {"cod", "CODE"},
}};

// "-o" gives OBJECT, "-exp" EXPAND; a value names the output file beside the source.
bool OutputKind(const OptionHandler& h, OptionPairs& pairs) {
    pairs.Add(h.ItemName(), h.ZatName() == "-exp" ? "EXPAND" : "OBJECT");
    if (!h.Value().empty()) pairs.Add("S|OUTPUTPATH", OptionConverter::RebuildSameDirectory(h.Value()));
    return true;
}

// The listing switch keeps the listing path whenever a value is given, also for "-nolis".
bool Listing(const OptionHandler& h, OptionPairs& pairs) {
    OptionConverter::Flag(h, pairs);
    if (!h.Value().empty()) pairs.Add("S|LISTPATH", OptionConverter::RebuildConfigDirectory(h.Value()));
    return true;
}

// The "-sh"/"-nosh" switches: "0" for "-nosh", else "1"; an empty value gives every element's
// item, otherwise each "|"-element gives its item in input order; an unknown element rejects all.
bool ShowSwitches(const OptionHandler& h, OptionPairs& pairs) {
    const std::string flag = OptionConverter::IsNegative(h.ZatName()) ? "0" : "1";
    if (h.Value().empty()) {
        for (const ShowElement& e : kShowElements) pairs.Add(h.ItemName() + std::string(e.suffix), flag);
        return true;
    }
    OptionPairs found;
    for (const std::string& element : OptionConverter::SplitList(h.Value())) {
        const ShowElement* match = nullptr;
        for (const ShowElement& e : kShowElements)
            if (e.element == element) match = &e;
        if (match == nullptr) return false;
        found.Add(h.ItemName() + std::string(match->suffix), flag);
    }
    pairs = std::move(found);
    return true;
}

// "-abs8"/"-abs16": ("B|" + item, "1") and, with a value, ("S|" + item, EscapeList(value)).
bool AbsoluteSymbols(const OptionHandler& h, OptionPairs& pairs) {
    pairs.Add("B|" + h.ItemName(), "1");
    if (!h.Value().empty()) pairs.Add("S|" + h.ItemName(), OptionConverter::EscapeList(h.Value()));
    return true;
}

}  // namespace

NerakAssemblerConverter::NerakAssemblerConverter() {
    Register("-default", "",
             FixedPairs({{"B|DEBUG", "1"},
                         {"S|OUTPUTPATH", "\"$(CONFIGDIR)\\$(FILE).obj\""},
                         {"B|LIST", "0"},
                         {"B|CHGINCPATH", "1"},
                         {"B|ERRORPATH", "1"}}));
    Register("-i", "S|INCLUDE", EscapedList);
    Register("-ch", "B|CHGINCPATH", Flag);
    Register("-err", "B|ERRORPATH", Flag);
    Register("-def", "S|DEFINE", EscapedList);
    Register("-asa", "S|ASSIGNA", Verbatim);
    Register("-asc", "S|ASSIGNC", EscapedList);
    Register({"-o", "-exp"}, "S|OUTPUT", OutputKind);
    Register({"-d", "-nod"}, "B|DEBUG", Flag);
    Register("-br", "I|BR_RELATIVE", Verbatim);
    Register({"-e", "-noe"}, "B|EXCLUDE", Flag);
    Register({"-lis", "-nolis"}, "B|LIST", Listing);
    Register({"-so", "-noso"}, "B|SOURCE", Flag);
    Register({"-cr", "-nocr"}, "B|CROSS_REFERENCE", Flag);
    Register({"-se", "-nose"}, "B|SECTION", Flag);
    Register({"-sh", "-nosh"}, "B|SHOW", ShowSwitches);
    Register({"-op", "-noop"}, "B|OPTIMIZE", Flag);
    Register("-go", "B|GOPTIMIZE", Flag);
    Register("-abs8", "ABS8", AbsoluteSymbols);
    Register("-abs16", "ABS16", AbsoluteSymbols);
    Register("-cp", "S|CPU", UpperCase);
    SetCpuDefaults({"S|CPU"},
                   "[B|DEBUG|1] [S|OUTPUTPATH|\"$(CONFIGDIR)\\$(FILELEAF).obj\"] [B|LIST|0] [B|CHGINCPATH|1] "
                   "[B|ERRORPATH|1]");
}

}  // namespace z2k
