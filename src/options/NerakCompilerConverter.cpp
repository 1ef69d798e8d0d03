#include "options/NerakCompilerConverter.h"

#include <string>
#include <vector>

#include "options/CompilerLists.h"
#include "platform/CodePage.h"

namespace z2k {

namespace {

bool Message(const OptionHandler& h, OptionPairs& pairs) {
    if (h.ZatName() == "-nom") {
        pairs.Add(h.ItemName(), "0");
        if (!h.Value().empty()) pairs.Add("S|NOMESSAGE", h.Value());
    } else {
        pairs.Add(h.ItemName(), "1");
    }
    return true;
}

bool ObjectPath(const OptionHandler& h, OptionPairs& pairs) {
    if (!h.Value().empty()) pairs.Add(h.ItemName(), OptionConverter::RebuildSameDirectory(h.Value()));
    return true;
}

bool Preprocess(const OptionHandler& h, OptionPairs& pairs) {
    pairs.Add(h.ItemName(), "PREPROCESSOR");
    if (!h.Value().empty()) pairs.Add("S|OUTPUTPATH", OptionConverter::RebuildSameDirectory(h.Value()));
    return true;
}

bool List(const OptionHandler& h, OptionPairs& pairs) {
    if (h.ZatName() == "-nol") {
        pairs.Add(h.ItemName(), "0");
        return true;
    }
    pairs.Add(h.ItemName(), "1");
    if (!h.Value().empty()) pairs.Add("S|LISTPATH", OptionConverter::RebuildConfigDirectory(h.Value()));
    return true;
}

bool Show(const OptionHandler& h, OptionPairs& pairs) {
    static const CompilerLists::KeywordMap keywords = {
        {"so", "SOURCE"},     {"noso", "NOSOURCE"},     {"o", "OBJECT"},     {"noo", "NOOBJECT"},
        {"st", "STATISTICS"}, {"nost", "NOSTATISTICS"}, {"a", "ALLOCATION"}, {"noa", "NOALLOCATION"},
        {"e", "EXPANSION"},   {"noe", "NOEXPANSION"},
    };
    pairs.Add(h.ItemName(), CompilerLists::ShowList(h.Value(), keywords));
    return true;
}

bool Section(const OptionHandler& h, OptionPairs& pairs) {
    std::string sections;
    if (!CompilerLists::SectionList(h.Value(), sections)) return false;
    pairs.Add(h.ItemName(), sections);
    return true;
}

bool Define(const OptionHandler& h, OptionPairs& pairs) {
    pairs.Add(h.ItemName(), CompilerLists::MacroList(h.Value()));
    return true;
}

// "-sp": speed keywords; "i" alone means an inline size of 105, "i=n" the size n.
bool Speed(const OptionHandler& h, OptionPairs& pairs) {
    static const CompilerLists::KeywordMap keywords = {
        {"r", "REGISTER"}, {"sh", "SHIFT"},     {"l", "LOOP"},       {"sw", "SWITCH"},
        {"st", "STRUCT"},  {"e", "EXPRESSION"}, {"i", "INLINE=105"},
    };
    std::vector<std::string> mapped;
    for (const std::string& element : OptionConverter::SplitList(h.Value())) {
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
    std::string joined = OptionConverter::JoinList(mapped);
    if (joined.find("INLINE=") == std::string::npos) joined.append("|INLINE=0");
    pairs.Add(h.ItemName(), joined);
    return true;
}

}  // namespace

NerakCompilerConverter::NerakCompilerConverter() {
    Register("-default", "",
             FixedPairs({{"B|DEBUG", "1"},
                         {"S|OUTPUTPATH", "\"$(CONFIGDIR)\\$(FILE).obj\""},
                         {"B|LIST", "0"},
                         {"B|CHGINCPATH", "1"}}));
    Register("-ec", "B|ECPP", Flag);
    Register("-i", "S|INCLUDE", EscapedList);
    Register("-prei", "S|PREINCLUDE", EscapedList);
    Register("-ch", "B|CHGINCPATH", Flag);
    Register("-def", "S|DEFINE", Define);
    Register("-com", "B|COMMENTNEST", Flag);
    Register({"-m", "-nom"}, "B|MESSAGE", Message);
    Register("-c", "S|OUTPUT", Keywords({{"m", "MACHINECODE"}, {"a", "ASMCODE"}}));
    Register("-ob", "S|OUTPUTPATH", ObjectPath);
    Register("-noob", "", Ignore);
    Register("-prep", "S|OUTPUT", Preprocess);
    Register({"-deb", "-nodeb"}, "B|DEBUG", Flag);
    Register("-br", "B|BROWSER", Flag);
    Register("-pa", "B|PACK", Keywords({{"1", "1"}, {"2", "0"}}));
    Register("-st", "S|STRING", Keywords({{"c", "CONST"}, {"d", "DATA"}}));
    Register({"-l", "-nol"}, "B|LIST", List);
    Register("-sh", "S|SHOW", Show);
    Register("-se", "S|SECTION", Section);
    Register("-op", "B|OPTIMIZE", Verbatim);
    Register("-sp", "B|SPEED|1] [S|SPEED", Speed);
    Register("-g", "B|GOPTIMIZE", Flag);
    Register("-b", "B|BYTEENUM", Flag);
    Register({"-v", "-nov"}, "B|VOLATILE", Flag);
    Register("-ma", "B|MACSAVE", Flag);
    Register({"-r", "-nor"}, "B|REGEXPANSION", Flag);
    Register("-cm", "B|CMNCODE", Flag);
    Register("-ca", "S|CASE", Keywords({{"i", "IFTHEN"}, {"t", "TABLE"}}));
    Register("-ind", "B|INDIRECT", Flag);
    Register("-abs8", "B|ABS8", Flag);
    Register("-abs16", "B|ABS16", Flag);
    Register({"-cpue", "-nocpue"}, "B|CPUEXPAND", Flag);
    Register("-ee", "B|EEPMOV", Flag);
    Register("-regp", "I|REGPARAM", Verbatim);
    Register("-cp", "S|CPU", UpperCase);
    Register("-err", "B|ERRORPATH", Ignore);
    SetCpuDefaults(
        {"S|CPU", "I|REGPARAM"},
        "[B|DEBUG|1] [S|OUTPUTPATH|\"$(CONFIGDIR)\\$(FILELEAF).obj\"] [B|LIST|0] [B|CHGINCPATH|1]");
}

}  // namespace z2k
