#pragma once
// The registry-driven option converter: a table from ZAT option name to OptionHandler, the
// standard handlers, value escaping and the path-rebuilding forms shared by the tool converters.
//
// A tool converter derives from OptionConverter and fills the registry in its constructor;
// it does not override convert. A name registered again replaces the earlier handler, so a
// derived class that first runs its base class's registrations (its base constructor) can
// override single options. Example:
//
//     class ExampleConverter : public OptionConverter {
//     public:
//         ExampleConverter() {
//             registerOption("-default", "", fixedPairs({{"B|DEBUG", "1"}, {"B|LIST", "0"}}));
//             registerOption("-i", "S|INCLUDE", escapedList);
//             registerOption({"-d", "-nod"}, "B|DEBUG", flag);       // "-nod" gives "0"
//             registerOption("-en", "S|ENDIAN", keywords({{"b", "BIG"}, {"l", "LITTLE"}}));
//             registerOption("-o", "S|OUTPUT", [](const OptionHandler& h, OptionPairs& pairs) {
//                 pairs.add(h.itemName(), "OBJECT");
//                 if (!h.value().empty()) pairs.add("S|OUTPUTPATH", rebuildSameDirectory(h.value()));
//                 return true;                                  // false rejects (drops) the option
//             });
//             setCpuDefaults({"S|CPU"}, "[B|DEBUG|1] [B|LIST|0]");  // compilers, assemblers only
//         }
//         // Only tools whose ZAT string is not a plain option list:
//         std::string rewriteOptionString(std::string_view zatOptions) const override;
//     };
//
// Every text scan steps by whole characters of the active code page.
#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "options/OptionHandler.h"
#include "options/ToolConverter.h"
#include "platform/CodePage.h"

namespace z2k {

class OptionConverter : public ToolConverter {
  public:
    OptionConverter() = default;
    ~OptionConverter() override = default;

    // Enumerates the table; registered names run their handler, the others are collected into
    // the closing [S|OTHER|"..."] item ("-other" contributes its value with "|" as blanks).
    // Finally every "$(FILE)" becomes "$(FILELEAF)".
    void convert(OptionsTable& table, std::string& korOptions) const override;

    // --- registry ---
    void registerOption(std::string_view zatName, std::string_view itemName, HandlerFunction function);
    // The same item name and function for several option names ("-l", "-nol").
    void registerOption(std::initializer_list<std::string_view> zatNames, std::string_view itemName,
                        const HandlerFunction& function);

    // --- standard handler functions ---
    static bool verbatim(const OptionHandler& h, OptionPairs& pairs);     // (item, value)
    static bool escapedList(const OptionHandler& h, OptionPairs& pairs);  // (item, escapeList(value))
    static bool quotedList(const OptionHandler& h, OptionPairs& pairs);   // (item, "e1"|"e2"...)
    static bool upperCase(const OptionHandler& h, OptionPairs& pairs);    // (item, upper(value))
    static bool flag(const OptionHandler& h, OptionPairs& pairs);         // (item, "0" for "-no...")
    static bool ignore(const OptionHandler& h, OptionPairs& pairs);       // nothing, accepted
    // A constant list of pairs (for "-default").
    static HandlerFunction fixedPairs(std::vector<std::pair<std::string, std::string>> pairs);
    // (item, keyword) for a value equal (whole, case-sensitive) to one of the keys; rejects
    // any other value, the empty one included unless it is a key.
    static HandlerFunction keywords(std::vector<std::pair<std::string, std::string>> keywords);

    // --- values ---
    // For each character c of characters: between the first and the last double quote of
    // text (when both exist and differ) every c is doubled.
    static std::string escapeValue(std::string_view text, CodePage page, std::string_view characters = "\"]");
    // split at "|", escapeValue(element, "\"]") each, join with "|".
    static std::string escapeList(std::string_view value, CodePage page);
    // escapeList(value) appended to out.
    static void appendEscapedList(std::string& out, std::string_view value, CodePage page);
    // split at "|" (an empty value gives one empty element) / join with "|".
    static std::vector<std::string> splitList(std::string_view value, CodePage page);
    static std::string joinList(const std::vector<std::string>& elements);
    // Every occurrence of from (starting at a whole character) replaced by to.
    static std::string replaceAll(std::string_view text, std::string_view from, std::string_view to,
                                  CodePage page);
    // Trailing blank, TAB, CR, LF, VT, FF removed.
    static std::string trimRight(std::string_view text, CodePage page);
    // True when the ZAT option name starts with "-no".
    static bool isNegative(std::string_view zatName);
    // "[" + name + ("|" + value when not empty) + "]".
    static std::string formatItem(std::string_view name, std::string_view value);
    // formatItem(name, value) appended to out.
    static void appendItem(std::string& out, std::string_view name, std::string_view value);
    // Every "$(FILE)" in text (starting at a whole character) turned into "$(FILELEAF)".
    static void fileToLeaf(std::string& text, CodePage page);

    // --- path values ---
    // Directory part: up to and including the last '\'; without '\' it is "\"" when the value
    // begins with a double quote, else empty.
    static std::string pathDirectoryPart(std::string_view value, CodePage page);
    // Extension part: from the last '.' after the last '\' to the end (closing quote included);
    // empty when the file name has no '.'.
    static std::string pathExtensionPart(std::string_view value, CodePage page);
    // True when the value has both a '\' and a '.' in its file name (the rules apply as written).
    static bool isRebuildablePath(std::string_view value, CodePage page);
    // Finishes a rebuilt path: when the source value was not rebuildable and the text has an
    // odd number of double quotes, one '"' is appended; then escapeList.
    static std::string finishPath(std::string_view sourceValue, std::string text, CodePage page);
    // directory part + "$(FILE)" + extension part (compiler and assembler outputs).
    static std::string rebuildSameDirectory(std::string_view value, CodePage page);
    // "\"$(CONFIGDIR)\\$(FILE)" + extension part (listing files).
    static std::string rebuildConfigDirectory(std::string_view value, CodePage page);
    // "\"$(CONFIGDIR)\\$(PROJECTNAME)" + extension part.
    static std::string rebuildProjectInConfigDirectory(std::string_view value, CodePage page);
    // directory part + "$(PROJECTNAME)" + extension part.
    static std::string rebuildProjectInSameDirectory(std::string_view value, CodePage page);

  private:
    struct Registered {
        std::string itemName;
        HandlerFunction function;
    };
    // Looks names up by string_view without making a string of them.
    struct NameHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view name) const { return std::hash<std::string_view>{}(name); }
    };
    std::unordered_map<std::string, Registered, NameHash, std::equal_to<>> registry_;
};

}  // namespace z2k
