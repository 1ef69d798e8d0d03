#include "options/QxAssemblerConverter.h"

#include <array>
#include <string>
#include <string_view>
#include <utility>

#include "options/OptionText.h"

namespace z2k {

namespace {

struct ShowElement {
    std::string_view element;
    std::string_view suffix;
};

// The show elements of the QX assembler, in the order an empty value lists them.
constexpr std::array<ShowElement, 5> kShowElements = {{
    {"con", "CONDITIONALS"},
    {"d", "DEFINITIONS"},
    {"ca", "CALLS"},
    {"e", "EXPANSIONS"},
    {"cod", "CODE"},
}};

// "-o" gives OBJECT, "-exp" EXPAND; a value names the output file beside the source.
bool OutputKind(const OptionHandler& h, OptionPairs& pairs) {
    pairs.Add(h.ItemName(), h.ZatName() == "-exp" ? "EXPAND" : "OBJECT");
    if (!h.Value().empty()) pairs.Add("S|OUTPUTPATH", OptionConverter::RebuildSameDirectory(h.Value()));
    return true;
}

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

// The value without its leading "(" and trailing ")" characters, "(con,d)" -> "con|d".
std::string StripParentheses(std::string_view value) {
    std::size_t begin = 0;
    while (begin < value.size() && value[begin] == '(') ++begin;  // leading bytes start characters
    const OptionText text(value);
    std::size_t end = value.size();
    while (end > begin && value[end - 1] == ')' && text.IsStart(end - 1)) --end;
    return std::string(value.substr(begin, end - begin));
}

// The "-sh"/"-nosh" switches: "0" for "-nosh", else "1"; the parentheses around the value are
// dropped; an empty value gives every element's item, otherwise each "|"-element gives its item
// in input order; an unknown element rejects the whole option.
bool ShowSwitches(const OptionHandler& h, OptionPairs& pairs) {
    const std::string flag = OptionConverter::IsNegative(h.ZatName()) ? "0" : "1";
    const std::string value = StripParentheses(h.Value());
    if (value.empty()) {
        for (const ShowElement& e : kShowElements) pairs.Add(h.ItemName() + std::string(e.suffix), flag);
        return true;
    }
    OptionPairs found;
    for (const std::string& element : OptionConverter::SplitList(value)) {
        const ShowElement* match = nullptr;
        for (const ShowElement& e : kShowElements)
            if (e.element == element) match = &e;
        if (match == nullptr) return false;
        found.Add(h.ItemName() + std::string(match->suffix), flag);
    }
    pairs = std::move(found);
    return true;
}

}  // namespace

QxAssemblerConverter::QxAssemblerConverter() {
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
    Register("-auto", "B|AUTO_LITERAL", Flag);
    Register({"-lis", "-nolis"}, "B|LIST", Listing);
    Register({"-so", "-noso"}, "B|SOURCE", Flag);
    Register({"-cr", "-nocr"}, "B|CROSS_REFERENCE", Flag);
    Register({"-se", "-nose"}, "B|SECTION", Flag);
    Register({"-sh", "-nosh"}, "B|SHOW", ShowSwitches);
    Register("-cpu", "S|CPU", UpperCase);
    Register("-en", "S|ENDIAN", Keywords({{"b", "BIG"}, {"l", "LITTLE"}}));
    Register("-den", "B|DENORMALIZE", Keywords({{"on", "1"}, {"off", "0"}}));
    Register("-r", "S|ROUND", Keywords({{"z", "ZERO"}, {"n", "NEAREST"}}));
    SetCpuDefaults({"S|CPU", "S|ENDIAN", "B|DENORMALIZE", "S|ROUND"},
                   "[B|DEBUG|1] [S|OUTPUTPATH|\"$(CONFIGDIR)\\$(FILELEAF).obj\"] [B|LIST|0] [B|CHGINCPATH|1] "
                   "[B|ERRORPATH|1]");
}

}  // namespace z2k
