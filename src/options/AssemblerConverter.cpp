#include "options/AssemblerConverter.h"

#include <string>
#include <utility>

#include "options/OptionText.h"

namespace z2k {

namespace {

// "-o" gives OBJECT, "-exp" EXPAND; a value names the output file beside the source.
bool OutputKind(const OptionHandler& h, OptionPairs& pairs) {
    pairs.Add(h.ItemName(), h.ZatName() == "-exp" ? "EXPAND" : "OBJECT");
    if (!h.Value().empty()) pairs.Add("S|OUTPUTPATH", OptionConverter::RebuildSameDirectory(h.Value()));
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

}  // namespace

AssemblerConverter::AssemblerConverter(std::vector<ShowElement> showElements, bool stripParentheses) {
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
    Register({"-so", "-noso"}, "B|SOURCE", Flag);
    Register({"-cr", "-nocr"}, "B|CROSS_REFERENCE", Flag);
    Register({"-se", "-nose"}, "B|SECTION", Flag);
    // "-sh"/"-nosh": "0" for "-nosh", else "1"; an empty value gives every element's item,
    // otherwise each "|"-element gives its item in input order; an unknown element rejects all.
    Register(
        {"-sh", "-nosh"}, "B|SHOW",
        [elements = std::move(showElements), stripParentheses](const OptionHandler& h, OptionPairs& pairs) {
            const std::string flag = IsNegative(h.ZatName()) ? "0" : "1";
            const std::string value = stripParentheses ? StripParentheses(h.Value()) : std::string(h.Value());
            if (value.empty()) {
                for (const ShowElement& e : elements) pairs.Add(h.ItemName() + std::string(e.suffix), flag);
                return true;
            }
            OptionPairs found;
            for (const std::string& element : SplitList(value)) {
                const ShowElement* match = nullptr;
                for (const ShowElement& e : elements)
                    if (e.element == element) match = &e;
                if (match == nullptr) return false;
                found.Add(h.ItemName() + std::string(match->suffix), flag);
            }
            pairs = std::move(found);
            return true;
        });
}

}  // namespace z2k
