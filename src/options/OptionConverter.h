#pragma once
// The registry-driven option converter: a table from ZAT option name to OptionHandler, the
// standard handlers, value escaping and the path-rebuilding forms shared by the tool converters.
//
// A tool converter derives from OptionConverter and fills the registry in its constructor;
// it does not override Convert. A name registered again replaces the earlier handler, so a
// derived class that first runs its base class's registrations (its base constructor) can
// override single options. Example:
//
//     class ExampleConverter : public OptionConverter {
//     public:
//         ExampleConverter() {
//             Register("-default", "", FixedPairs({{"B|DEBUG", "1"}, {"B|LIST", "0"}}));
//             Register("-i", "S|INCLUDE", EscapedList);
//             Register({"-d", "-nod"}, "B|DEBUG", Flag);       // "-nod" gives "0"
//             Register("-en", "S|ENDIAN", Keywords({{"b", "BIG"}, {"l", "LITTLE"}}));
//             Register("-o", "S|OUTPUT", [](const OptionHandler& h, OptionPairs& pairs) {
//                 pairs.Add(h.ItemName(), "OBJECT");
//                 if (!h.Value().empty()) pairs.Add("S|OUTPUTPATH", RebuildSameDirectory(h.Value()));
//                 return true;                                  // false rejects (drops) the option
//             });
//             SetCpuDefaults({"S|CPU"}, "[B|DEBUG|1] [B|LIST|0]");  // compilers, assemblers only
//         }
//         // Only tools whose ZAT string is not a plain option list:
//         std::string RewriteOptionString(std::string_view zatOptions) const override;
//     };
//
// Every text scan steps by whole characters of the active code page.
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "options/OptionHandler.h"
#include "options/ToolConverter.h"

namespace z2k {

class OptionConverter : public ToolConverter {
  public:
    OptionConverter() = default;
    ~OptionConverter() override = default;

    // Enumerates the table; registered names run their handler, the others are collected into
    // the closing [S|OTHER|"..."] item ("-other" contributes its value with "|" as blanks).
    // Finally every "$(FILE)" becomes "$(FILELEAF)".
    void Convert(OptionsTable& table, std::string& korOptions) override;

    // --- registry ---
    void Register(std::string_view zatName, std::string_view itemName, HandlerFunction function);
    // The same item name and function for several option names ("-l", "-nol").
    void Register(std::initializer_list<std::string_view> zatNames, std::string_view itemName,
                  const HandlerFunction& function);
    // The handler of the name with the value attached, or nullptr (exact, case-sensitive).
    OptionHandler* Find(std::string_view zatName, std::string_view value);
    bool IsRegistered(std::string_view zatName) const { return registry_.count(std::string(zatName)) != 0; }

    // --- standard handler functions ---
    static bool Verbatim(const OptionHandler& h, OptionPairs& pairs);     // (item, value)
    static bool EscapedList(const OptionHandler& h, OptionPairs& pairs);  // (item, EscapeList(value))
    static bool QuotedList(const OptionHandler& h, OptionPairs& pairs);   // (item, "e1"|"e2"...)
    static bool UpperCase(const OptionHandler& h, OptionPairs& pairs);    // (item, upper(value))
    static bool Flag(const OptionHandler& h, OptionPairs& pairs);         // (item, "0" for "-no...")
    static bool Ignore(const OptionHandler& h, OptionPairs& pairs);       // nothing, accepted
    // A constant list of pairs (for "-default").
    static HandlerFunction FixedPairs(std::vector<std::pair<std::string, std::string>> pairs);
    // (item, keyword) for a value equal (whole, case-sensitive) to one of the keys; rejects
    // any other value, the empty one included unless it is a key.
    static HandlerFunction Keywords(std::vector<std::pair<std::string, std::string>> keywords);

    // --- values ---
    // For each character c of characters: between the first and the last double quote of
    // text (when both exist and differ) every c is doubled.
    static std::string EscapeValue(std::string_view text, std::string_view characters = "\"]");
    // Split at "|", EscapeValue(element, "\"]") each, join with "|".
    static std::string EscapeList(std::string_view value);
    // Split at "|" (an empty value gives one empty element) / join with "|".
    static std::vector<std::string> SplitList(std::string_view value);
    static std::string JoinList(const std::vector<std::string>& elements);
    // Every occurrence of from (starting at a whole character) replaced by to.
    static std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to);
    // Trailing blank, TAB, CR, LF, VT, FF removed.
    static std::string TrimRight(std::string_view text);
    // True when the ZAT option name starts with "-no".
    static bool IsNegative(std::string_view zatName);
    // "[" + name + ("|" + value when not empty) + "]".
    static std::string FormatItem(std::string_view name, std::string_view value);
    // The pairs formatted as items joined by one blank, "$(FILE)" turned into "$(FILELEAF)".
    static std::string FormatPairs(const OptionPairs& pairs);

    // --- path values ---
    // Directory part: up to and including the last '\'; without '\' it is "\"" when the value
    // begins with a double quote, else empty.
    static std::string PathDirectoryPart(std::string_view value);
    // Extension part: from the last '.' after the last '\' to the end (closing quote included);
    // empty when the file name has no '.'.
    static std::string PathExtensionPart(std::string_view value);
    // True when the value has both a '\' and a '.' in its file name (the rules apply as written).
    static bool IsRebuildablePath(std::string_view value);
    // Finishes a rebuilt path: when the source value was not rebuildable and the text has an
    // odd number of double quotes, one '"' is appended; then EscapeList.
    static std::string FinishPath(std::string_view sourceValue, std::string text);
    // directory part + "$(FILE)" + extension part (compiler and assembler outputs).
    static std::string RebuildSameDirectory(std::string_view value);
    // "\"$(CONFIGDIR)\\$(FILE)" + extension part (listing files).
    static std::string RebuildConfigDirectory(std::string_view value);
    // "\"$(CONFIGDIR)\\$(PROJECTNAME)" + extension part.
    static std::string RebuildProjectInConfigDirectory(std::string_view value);
    // directory part + "$(PROJECTNAME)" + extension part.
    static std::string RebuildProjectInSameDirectory(std::string_view value);

  protected:
    // The registered handlers (derived classes may inspect it; use Register to change it).
    const std::unordered_map<std::string, std::unique_ptr<OptionHandler>>& Registry() const {
        return registry_;
    }

  private:
    std::unordered_map<std::string, std::unique_ptr<OptionHandler>> registry_;
};

}  // namespace z2k
