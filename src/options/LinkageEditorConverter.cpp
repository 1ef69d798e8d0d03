#include "options/LinkageEditorConverter.h"

#include <string>
#include <utility>
#include <vector>

#include "platform/CodePage.h"

namespace z2k {

namespace {

// Every "|" after a "(" and before the next ")" becomes ","; parentheses do not nest, and one
// that is never closed runs to the end of the value.
std::string BarsInParenthesesToCommas(std::string_view value) {
    std::string result(value);
    bool inside = false;
    forEachChar(value, [&](std::size_t pos, std::size_t len) {
        if (len != 1) return;
        const char c = value[pos];
        if (c == '(') {
            inside = true;
        } else if (c == ')') {
            inside = false;
        } else if (c == '|' && inside) {
            result[pos] = ',';
        }
    });
    return result;
}

// "-i": grouped members of a library, "lib"(a|b) -> "lib"(a,b); then EscapeList.
bool InputFiles(const OptionHandler& h, OptionPairs& pairs) {
    pairs.Add(h.ItemName(), OptionConverter::EscapeList(BarsInParenthesesToCommas(h.Value())));
    return true;
}

// "-ro": (C|RAM_CSCT)|(D|RAM_DSCT) -> (C,RAM_CSCT)|(D,RAM_DSCT), otherwise unchanged.
bool RomSections(const OptionHandler& h, OptionPairs& pairs) {
    pairs.Add(h.ItemName(), BarsInParenthesesToCommas(h.Value()));
    return true;
}

// "-st": each "|" that is not the first character and does not follow a ")" becomes ",", so
// the sections of one address stay together: A|B(8000)|C -> A,B(8000)|C.
bool StartAddresses(const OptionHandler& h, OptionPairs& pairs) {
    const std::string_view value = h.Value();
    std::string result(value);
    bool afterClose = false;
    forEachChar(value, [&](std::size_t pos, std::size_t len) {
        const bool single = len == 1;
        if (single && value[pos] == '|' && pos != 0 && !afterClose) result[pos] = ',';
        afterClose = single && value[pos] == ')';
    });
    pairs.Add(h.ItemName(), result);
    return true;
}

// "-def": each element NAME(VALUE) becomes "NAME","(VALUE)". The parenthesised part runs from
// the first "(" to the end of the element; an element without "(" rejects the option.
bool Definitions(const OptionHandler& h, OptionPairs& pairs) {
    std::vector<std::string> elements = OptionConverter::SplitList(h.Value());
    for (std::string& element : elements) {
        const std::size_t open = findChar(element, '(');
        if (open == std::string::npos) return false;
        // Appended piece by piece: GCC 12 at -O3 warns falsely (-Wrestrict) on a literal put in
        // front of a temporary string.
        std::string quoted = "\"";
        quoted.append(element, 0, open).append("\",\"").append(element, open).append("\"");
        element = std::move(quoted);
    }
    pairs.Add(h.ItemName(), OptionConverter::JoinList(elements));
    return true;
}

// "-o": the absolute file belongs to the whole project, beside the file named.
bool OutputFile(const OptionHandler& h, OptionPairs& pairs) {
    pairs.Add(h.ItemName(), OptionConverter::RebuildProjectInSameDirectory(h.Value()));
    return true;
}

// "-p" names a map file of the project in the configuration directory, also without a value
// (then "$(CONFIGDIR)\$(PROJECTNAME)" in quotes); "-nop" only switches the map off.
bool PrintMap(const OptionHandler& h, OptionPairs& pairs) {
    if (OptionConverter::IsNegative(h.ZatName())) {
        pairs.Add(h.ItemName(), "0");
        return true;
    }
    pairs.Add(h.ItemName(), "1");
    pairs.Add("S|MAPPATH", OptionConverter::RebuildProjectInConfigDirectory(h.Value()));
    return true;
}

// "-elf", "-tovami", "-tovamiplus": the option name itself, without "-", is the format.
bool ObjectFormat(const OptionHandler& h, OptionPairs& pairs) {
    pairs.Add(h.ItemName(), toUpperText(std::string_view(h.ZatName()).substr(1)));
    return true;
}

// ";CheckDevice": entries of three fields arrive joined by "|"; the first and second separator
// of each three become ",", the third stays, so every entry is one list element again.
bool CheckDevice(const OptionHandler& h, OptionPairs& pairs) {
    const std::string_view value = h.Value();
    std::string result(value);
    int separator = 0;
    forEachChar(value, [&](std::size_t pos, std::size_t len) {
        if (len != 1 || value[pos] != '|') return;
        separator = separator % 3 + 1;
        if (separator != 3) result[pos] = ',';
    });
    pairs.Add(h.ItemName(), result);
    return true;
}

}  // namespace

LinkageEditorConverter::LinkageEditorConverter() {
    Register("-default", "", FixedPairs({{"B|DEBUG", "1"}, {"S|OBJECT", "\"$(CONFIGDIR)\\$(FILE).abs\""}}));
    Register("-i", "S|INPUT", InputFiles);
    Register("-lib", "S|INPUTLIBRARY", EscapedList);
    Register("-def", "S|DEFINE", Definitions);
    Register("-ent", "B|ENTRY|1] [S|ENTRY", QuotedList);
    Register("-f", "S|FORM", UpperCase);
    Register("-o", "S|OUTPUT", OutputFile);
    Register({"-deb", "-nod"}, "B|DEBUG", Flag);
    Register("-sd", "B|SDEBUG", Flag);
    Register("-ro", "S|ROM", RomSections);
    Register({"-excl", "-noex"}, "B|EXCLUDE", Flag);
    Register({"-p", "-nop"}, "B|PRINT", PrintMap);
    Register("-st", "S|START", StartAddresses);
    Register("-al", "B|ALIGN_SECTION", Flag);
    Register("-fs", "S|FSYMBOL", Verbatim);
    Register("-ch", "B|CHECK_SECTION", Flag);
    Register({"-c", "-cpu"}, "I|CPUINFORMATIONCHECK|2] [S|CPU", EscapedList);
    Register("-cpuc", "B|CPUCHECK", Flag);
    Register("-udfc", "B|UDFCHECK", Flag);
    Register("-ws", "B|SUBCOMMAND|1] [S|SUBCOMMAND", EscapedList);
}

void LinkageEditorConverter::RegisterOptimizingLinkerOptions(std::string_view completeOptimizeList) {
    Register(
        "-default", "",
        FixedPairs({{"B|OPTIMIZE", "0"}, {"B|DEBUG", "1"}, {"S|OBJECT", "\"$(CONFIGDIR)\\$(FILE).abs\""}}));
    Register({"-elf", "-tovami", "-tovamiplus"}, "S|OBJECTFORMAT", ObjectFormat);
    // The value is compared with the complete list after upper-casing it, as a whole.
    Register("-optimize", "B|OPTIMIZE",
             [complete = std::string(completeOptimizeList)](const OptionHandler& h, OptionPairs& pairs) {
                 const std::string items = toUpperText(h.Value());
                 pairs.Add("S|OPTIMIZEITEMS", items.empty() || items == complete ? "ALL" : items);
                 return true;
             });
    Register("-nooptimize", "B|OPTIMIZE", Flag);
    Register("-samesize", "I|SAMESIZE", Verbatim);
    Register("-symbol", "S|SYMBOL_FORBID", QuotedList);
    Register("-samecode", "S|SAMECODE_FORBID", QuotedList);
    Register("-information", "B|INFORMATION", Flag);
    Register(";CheckDevice", "I|CPUINFORMATIONCHECK|1] [S|;CHECKDEVICE", CheckDevice);
}

}  // namespace z2k
