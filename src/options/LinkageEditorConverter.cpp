#include "options/LinkageEditorConverter.h"

#include <string>
#include <utility>
#include <vector>

#include "platform/CodePage.h"

namespace z2k {

namespace {

// Every "|" after a "(" and before the next ")" becomes ","; parentheses do not nest, and one
// that is never closed runs to the end of the value.
std::string barsInParenthesesToCommas(std::string_view value, CodePage page) {
    std::string result(value);
    bool inside = false;
    forEachChar(
        value,
        [&](std::size_t pos, std::size_t len) {
            if (len != 1) return;
            const char c = value[pos];
            if (c == '(') {
                inside = true;
            } else if (c == ')') {
                inside = false;
            } else if (c == '|' && inside) {
                result[pos] = ',';
            }
        },
        page);
    return result;
}

// "-i": grouped members of a library, "lib"(a|b) -> "lib"(a,b); then escapeList.
bool inputFiles(const OptionHandler& h, OptionPairs& pairs) {
    const CodePage page = h.page();
    pairs.add(h.itemName(), OptionConverter::escapeList(barsInParenthesesToCommas(h.value(), page), page));
    return true;
}

// "-ro": (C|RAM_CSCT)|(D|RAM_DSCT) -> (C,RAM_CSCT)|(D,RAM_DSCT), otherwise unchanged.
bool romSections(const OptionHandler& h, OptionPairs& pairs) {
    const CodePage page = h.page();
    pairs.add(h.itemName(), barsInParenthesesToCommas(h.value(), page));
    return true;
}

// "-st": each "|" that is not the first character and does not follow a ")" becomes ",", so
// the sections of one address stay together: A|B(8000)|C -> A,B(8000)|C.
bool startAddresses(const OptionHandler& h, OptionPairs& pairs) {
    const CodePage page = h.page();
    const std::string_view value = h.value();
    std::string result(value);
    bool afterClose = false;
    forEachChar(
        value,
        [&](std::size_t pos, std::size_t len) {
            const bool single = len == 1;
            if (single && value[pos] == '|' && pos != 0 && !afterClose) result[pos] = ',';
            afterClose = single && value[pos] == ')';
        },
        page);
    pairs.add(h.itemName(), result);
    return true;
}

// "-def": each element NAME(VALUE) becomes "NAME","(VALUE)". The parenthesised part runs from
// the first "(" to the end of the element; an element without "(" rejects the option.
bool definitions(const OptionHandler& h, OptionPairs& pairs) {
    const CodePage page = h.page();
    std::vector<std::string> elements = OptionConverter::splitList(h.value(), page);
    for (std::string& element : elements) {
        const std::size_t open = findChar(element, '(', 0, page);
        if (open == std::string::npos) return false;
        // Appended piece by piece: GCC 12 at -O3 warns falsely (-Wrestrict) on a literal put in
        // front of a temporary string.
        std::string quoted = "\"";
        quoted.append(element, 0, open).append("\",\"").append(element, open).append("\"");
        element = std::move(quoted);
    }
    pairs.add(h.itemName(), OptionConverter::joinList(elements));
    return true;
}

// "-o": the absolute file belongs to the whole project, beside the file named.
bool outputFile(const OptionHandler& h, OptionPairs& pairs) {
    const CodePage page = h.page();
    pairs.add(h.itemName(), OptionConverter::rebuildProjectInSameDirectory(h.value(), page));
    return true;
}

// "-p" names a map file of the project in the configuration directory, also without a value
// (then "$(CONFIGDIR)\$(PROJECTNAME)" in quotes); "-nop" only switches the map off.
bool printMap(const OptionHandler& h, OptionPairs& pairs) {
    const CodePage page = h.page();
    if (OptionConverter::isNegative(h.zatName())) {
        pairs.add(h.itemName(), "0");
        return true;
    }
    pairs.add(h.itemName(), "1");
    pairs.add("S|MAPPATH", OptionConverter::rebuildProjectInConfigDirectory(h.value(), page));
    return true;
}

// "-elf", "-tovami", "-tovamiplus": the option name itself, without "-", is the format.
bool objectFormat(const OptionHandler& h, OptionPairs& pairs) {
    const CodePage page = h.page();
    pairs.add(h.itemName(), toUpperText(std::string_view(h.zatName()).substr(1), page));
    return true;
}

// ";CheckDevice": entries of three fields arrive joined by "|"; the first and second separator
// of each three become ",", the third stays, so every entry is one list element again.
bool checkDevice(const OptionHandler& h, OptionPairs& pairs) {
    const CodePage page = h.page();
    const std::string_view value = h.value();
    std::string result(value);
    int separator = 0;
    forEachChar(
        value,
        [&](std::size_t pos, std::size_t len) {
            if (len != 1 || value[pos] != '|') return;
            separator = separator % 3 + 1;
            if (separator != 3) result[pos] = ',';
        },
        page);
    pairs.add(h.itemName(), result);
    return true;
}

}  // namespace

LinkageEditorConverter::LinkageEditorConverter() {
    registerOption("-default", "",
                   fixedPairs({{"B|DEBUG", "1"}, {"S|OBJECT", "\"$(CONFIGDIR)\\$(FILE).abs\""}}));
    registerOption("-i", "S|INPUT", inputFiles);
    registerOption("-lib", "S|INPUTLIBRARY", escapedList);
    registerOption("-def", "S|DEFINE", definitions);
    registerOption("-ent", "B|ENTRY|1] [S|ENTRY", quotedList);
    registerOption("-f", "S|FORM", upperCase);
    registerOption("-o", "S|OUTPUT", outputFile);
    registerOption({"-deb", "-nod"}, "B|DEBUG", flag);
    registerOption("-sd", "B|SDEBUG", flag);
    registerOption("-ro", "S|ROM", romSections);
    registerOption({"-excl", "-noex"}, "B|EXCLUDE", flag);
    registerOption({"-p", "-nop"}, "B|PRINT", printMap);
    registerOption("-st", "S|START", startAddresses);
    registerOption("-al", "B|ALIGN_SECTION", flag);
    registerOption("-fs", "S|FSYMBOL", verbatim);
    registerOption("-ch", "B|CHECK_SECTION", flag);
    registerOption({"-c", "-cpu"}, "I|CPUINFORMATIONCHECK|2] [S|CPU", escapedList);
    registerOption("-cpuc", "B|CPUCHECK", flag);
    registerOption("-udfc", "B|UDFCHECK", flag);
    registerOption("-ws", "B|SUBCOMMAND|1] [S|SUBCOMMAND", escapedList);
}

void LinkageEditorConverter::registerOptimizingLinkerOptions(std::string_view completeOptimizeList) {
    registerOption(
        "-default", "",
        fixedPairs({{"B|OPTIMIZE", "0"}, {"B|DEBUG", "1"}, {"S|OBJECT", "\"$(CONFIGDIR)\\$(FILE).abs\""}}));
    registerOption({"-elf", "-tovami", "-tovamiplus"}, "S|OBJECTFORMAT", objectFormat);
    // The value is compared with the complete list after upper-casing it, as a whole.
    registerOption(
        "-optimize", "B|OPTIMIZE",
        [complete = std::string(completeOptimizeList)](const OptionHandler& h, OptionPairs& pairs) {
            const CodePage page = h.page();
            const std::string items = toUpperText(h.value(), page);
            pairs.add("S|OPTIMIZEITEMS", items.empty() || items == complete ? "ALL" : items);
            return true;
        });
    registerOption("-nooptimize", "B|OPTIMIZE", flag);
    registerOption("-samesize", "I|SAMESIZE", verbatim);
    registerOption("-symbol", "S|SYMBOL_FORBID", quotedList);
    registerOption("-samecode", "S|SAMECODE_FORBID", quotedList);
    registerOption("-information", "B|INFORMATION", flag);
    registerOption(";CheckDevice", "I|CPUINFORMATIONCHECK|1] [S|;CHECKDEVICE", checkDevice);
}

}  // namespace z2k
