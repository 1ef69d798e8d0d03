#include "options/AssemblerConverter.h"

#include <string>
#include <utility>

#include "options/OptionText.h"

namespace z2k {

namespace {

// "-o" gives OBJECT, "-exp" EXPAND; a value names the output file beside the source.
bool outputKind(const OptionHandler& h, OptionPairs& pairs) {
    pairs.add(h.itemName(), h.zatName() == "-exp" ? "EXPAND" : "OBJECT");
    if (!h.value().empty())
        pairs.add("S|OUTPUTPATH", OptionConverter::rebuildSameDirectory(h.value(), h.page()));
    return true;
}

// The value without its leading "(" and trailing ")" characters, "(con,d)" -> "con|d".
std::string withoutParentheses(std::string_view value, CodePage page) {
    std::size_t begin = 0;
    while (begin < value.size() && value[begin] == '(') ++begin;  // leading bytes start characters
    const OptionText text(value, page);
    std::size_t end = value.size();
    while (end > begin && value[end - 1] == ')' && text.isStart(end - 1)) --end;
    return std::string(value.substr(begin, end - begin));
}

}  // namespace

AssemblerConverter::AssemblerConverter(std::vector<ShowElement> showElements, bool stripParentheses) {
    registerOption("-default", "",
                   fixedPairs({{"B|DEBUG", "1"},
                               {"S|OUTPUTPATH", "\"$(CONFIGDIR)\\$(FILE).obj\""},
                               {"B|LIST", "0"},
                               {"B|CHGINCPATH", "1"},
                               {"B|ERRORPATH", "1"}}));
    registerOption("-i", "S|INCLUDE", escapedList);
    registerOption("-ch", "B|CHGINCPATH", flag);
    registerOption("-err", "B|ERRORPATH", flag);
    registerOption("-def", "S|DEFINE", escapedList);
    registerOption("-asa", "S|ASSIGNA", verbatim);
    registerOption("-asc", "S|ASSIGNC", escapedList);
    registerOption({"-o", "-exp"}, "S|OUTPUT", outputKind);
    registerOption({"-d", "-nod"}, "B|DEBUG", flag);
    registerOption({"-so", "-noso"}, "B|SOURCE", flag);
    registerOption({"-cr", "-nocr"}, "B|CROSS_REFERENCE", flag);
    registerOption({"-se", "-nose"}, "B|SECTION", flag);
    // "-sh"/"-nosh": "0" for "-nosh", else "1"; an empty value gives every element's item,
    // otherwise each "|"-element gives its item in input order; an unknown element rejects all.
    registerOption(
        {"-sh", "-nosh"}, "B|SHOW",
        [elements = std::move(showElements), stripParentheses](const OptionHandler& h, OptionPairs& pairs) {
            const std::string flag = isNegative(h.zatName()) ? "0" : "1";
            const std::string value =
                stripParentheses ? withoutParentheses(h.value(), h.page()) : std::string(h.value());
            if (value.empty()) {
                for (const ShowElement& e : elements)
                    pairs.add(std::string(h.itemName()).append(e.suffix), flag);
                return true;
            }
            OptionPairs found;
            for (const std::string& element : splitList(value, h.page())) {
                const ShowElement* match = nullptr;
                for (const ShowElement& e : elements)
                    if (e.element == element) match = &e;
                if (match == nullptr) return false;
                found.add(std::string(h.itemName()).append(match->suffix), flag);
            }
            pairs = std::move(found);
            return true;
        });
}

}  // namespace z2k
