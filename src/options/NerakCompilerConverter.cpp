#include "options/NerakCompilerConverter.h"

#include <string>
#include <vector>

#include "options/CompilerLists.h"
#include "platform/CodePage.h"

namespace z2k {

namespace {

bool message(const OptionHandler& h, OptionPairs& pairs) {
    if (h.zatName() == "-nom") {
        pairs.add(h.itemName(), "0");
        if (!h.value().empty()) pairs.add("S|NOMESSAGE", h.value());
    } else {
        pairs.add(h.itemName(), "1");
    }
    return true;
}

bool objectPath(const OptionHandler& h, OptionPairs& pairs) {
    const CodePage page = h.page();
    if (!h.value().empty()) pairs.add(h.itemName(), OptionConverter::rebuildSameDirectory(h.value(), page));
    return true;
}

bool preprocess(const OptionHandler& h, OptionPairs& pairs) {
    const CodePage page = h.page();
    pairs.add(h.itemName(), "PREPROCESSOR");
    if (!h.value().empty()) pairs.add("S|OUTPUTPATH", OptionConverter::rebuildSameDirectory(h.value(), page));
    return true;
}

bool list(const OptionHandler& h, OptionPairs& pairs) {
    const CodePage page = h.page();
    if (h.zatName() == "-nol") {
        pairs.add(h.itemName(), "0");
        return true;
    }
    pairs.add(h.itemName(), "1");
    if (!h.value().empty()) pairs.add("S|LISTPATH", OptionConverter::rebuildConfigDirectory(h.value(), page));
    return true;
}

bool show(const OptionHandler& h, OptionPairs& pairs) {
    const CodePage page = h.page();
    static const CompilerLists::KeywordMap keywords = {
        {"so", "SOURCE"},     {"noso", "NOSOURCE"},     {"o", "OBJECT"},     {"noo", "NOOBJECT"},
        {"st", "STATISTICS"}, {"nost", "NOSTATISTICS"}, {"a", "ALLOCATION"}, {"noa", "NOALLOCATION"},
        {"e", "EXPANSION"},   {"noe", "NOEXPANSION"},
    };
    pairs.add(h.itemName(), CompilerLists::showList(h.value(), keywords, page));
    return true;
}

bool section(const OptionHandler& h, OptionPairs& pairs) {
    const CodePage page = h.page();
    std::string sections;
    if (!CompilerLists::sectionList(h.value(), sections, page)) return false;
    pairs.add(h.itemName(), sections);
    return true;
}

bool define(const OptionHandler& h, OptionPairs& pairs) {
    const CodePage page = h.page();
    pairs.add(h.itemName(), CompilerLists::macroList(h.value(), page));
    return true;
}

// "-sp": speed keywords; "i" alone means an inline size of 105, "i=n" the size n.
bool speed(const OptionHandler& h, OptionPairs& pairs) {
    const CodePage page = h.page();
    static const CompilerLists::KeywordMap keywords = {
        {"r", "REGISTER"}, {"sh", "SHIFT"},     {"l", "LOOP"},       {"sw", "SWITCH"},
        {"st", "STRUCT"},  {"e", "EXPRESSION"}, {"i", "INLINE=105"},
    };
    std::vector<std::string> mapped;
    for (const std::string& element : OptionConverter::splitList(h.value(), page)) {
        if (element.compare(0, 2, "i=") == 0) {
            mapped.push_back("INLINE=" + element.substr(2));
            continue;
        }
        bool known = false;
        for (const auto& [key, keyword] : keywords) {
            if (element == key) {
                mapped.emplace_back(keyword);
                known = true;
                break;
            }
        }
        if (!known) return false;
    }
    std::string joined = OptionConverter::joinList(mapped);
    if (joined.find("INLINE=") == std::string::npos) joined.append("|INLINE=0");
    pairs.add(h.itemName(), joined);
    return true;
}

}  // namespace

NerakCompilerConverter::NerakCompilerConverter() {
    registerOption("-default", "",
                   fixedPairs({{"B|DEBUG", "1"},
                               {"S|OUTPUTPATH", "\"$(CONFIGDIR)\\$(FILE).obj\""},
                               {"B|LIST", "0"},
                               {"B|CHGINCPATH", "1"}}));
    registerOption("-ec", "B|ECPP", flag);
    registerOption("-i", "S|INCLUDE", escapedList);
    registerOption("-prei", "S|PREINCLUDE", escapedList);
    registerOption("-ch", "B|CHGINCPATH", flag);
    registerOption("-def", "S|DEFINE", define);
    registerOption("-com", "B|COMMENTNEST", flag);
    registerOption({"-m", "-nom"}, "B|MESSAGE", message);
    registerOption("-c", "S|OUTPUT", keywords({{"m", "MACHINECODE"}, {"a", "ASMCODE"}}));
    registerOption("-ob", "S|OUTPUTPATH", objectPath);
    registerOption("-noob", "", ignore);
    registerOption("-prep", "S|OUTPUT", preprocess);
    registerOption({"-deb", "-nodeb"}, "B|DEBUG", flag);
    registerOption("-br", "B|BROWSER", flag);
    registerOption("-pa", "B|PACK", keywords({{"1", "1"}, {"2", "0"}}));
    registerOption("-st", "S|STRING", keywords({{"c", "CONST"}, {"d", "DATA"}}));
    registerOption({"-l", "-nol"}, "B|LIST", list);
    registerOption("-sh", "S|SHOW", show);
    registerOption("-se", "S|SECTION", section);
    registerOption("-op", "B|OPTIMIZE", verbatim);
    registerOption("-sp", "B|SPEED|1] [S|SPEED", speed);
    registerOption("-g", "B|GOPTIMIZE", flag);
    registerOption("-b", "B|BYTEENUM", flag);
    registerOption({"-v", "-nov"}, "B|VOLATILE", flag);
    registerOption("-ma", "B|MACSAVE", flag);
    registerOption({"-r", "-nor"}, "B|REGEXPANSION", flag);
    registerOption("-cm", "B|CMNCODE", flag);
    registerOption("-ca", "S|CASE", keywords({{"i", "IFTHEN"}, {"t", "TABLE"}}));
    registerOption("-ind", "B|INDIRECT", flag);
    registerOption("-abs8", "B|ABS8", flag);
    registerOption("-abs16", "B|ABS16", flag);
    registerOption({"-cpue", "-nocpue"}, "B|CPUEXPAND", flag);
    registerOption("-ee", "B|EEPMOV", flag);
    registerOption("-regp", "I|REGPARAM", verbatim);
    registerOption("-cp", "S|CPU", upperCase);
    registerOption("-err", "B|ERRORPATH", ignore);
    setCpuDefaults(
        {"S|CPU", "I|REGPARAM"},
        "[B|DEBUG|1] [S|OUTPUTPATH|\"$(CONFIGDIR)\\$(FILELEAF).obj\"] [B|LIST|0] [B|CHGINCPATH|1]");
}

}  // namespace z2k
