#include "options/LibrarianConverter.h"

#include <vector>

#include "options/OptionText.h"
#include "platform/CodePage.h"

namespace z2k {

namespace {

// A project file rebuilt from a path value, with the system-library mark: when the extension
// part holds " (S)", it ends before the mark and systemItem ("] [B|CREATESYSTEM|1") is added
// after the value, which closes it and opens a second item. A mark inside the quotes would cut
// the closing quote away; one is then put back, so the quotes stay balanced.
std::string RebuildWithSystemMark(std::string_view value, std::string prefix, std::string_view systemItem) {
    std::string extension = OptionConverter::PathExtensionPart(value);
    const std::size_t mark = OptionText(extension).Find(" (S)");
    std::string text = std::move(prefix);
    if (mark == std::string::npos) {
        text.append(extension);
        return OptionConverter::FinishPath(value, std::move(text));
    }
    const bool quoteCut = OptionText::CountQuotes(std::string_view(extension).substr(mark)) != 0;
    text.append(extension, 0, mark);
    if (quoteCut && OptionText::CountQuotes(text) % 2 != 0) text.push_back('"');
    std::string result = OptionConverter::FinishPath(value, std::move(text));
    result.append(systemItem);
    return result;
}

}  // namespace

std::string LibrarianConverter::RewriteOptionString(std::string_view zatOptions) const {
    if (zatOptions.empty()) return std::string();
    std::vector<std::string> pieces = OptionText::Split(zatOptions, '\t');
    for (std::string& piece : pieces) {
        if (piece.empty() || piece.front() != '-') piece.insert(0, 1, '-');
        const std::size_t blank = findChar(piece, ' ');
        if (blank == std::string::npos) continue;
        // Quotes pair from the left: the blank is inside a pair when an odd number of quotes
        // precede it and another quote follows it.
        const bool openBefore = OptionText::CountQuotes(std::string_view(piece).substr(0, blank)) % 2 != 0;
        const bool closeAfter = findChar(piece, '"', blank + 1) != std::string::npos;
        if (!(openBefore && closeAfter)) piece[blank] = '=';
    }
    return OptionText::Join(pieces, "\t");
}

LibrarianConverter::LibrarianConverter() {
    Register("-default", "", FixedPairs({{"S|CREATE", "\"$(CONFIGDIR)\\$(PROJECTNAME).lib\""}}));
    Register("-create", "S|CREATE", [](const OptionHandler& h, OptionPairs& pairs) {
        pairs.Add(h.ItemName(),
                  RebuildWithSystemMark(h.Value(), PathDirectoryPart(h.Value()) + "$(PROJECTNAME)",
                                        "] [B|CREATESYSTEM|1"));
        return true;
    });
    Register("-list", "B|LIST", [](const OptionHandler& h, OptionPairs& pairs) {
        pairs.Add(h.ItemName(), "1");
        if (!h.Value().empty())
            pairs.Add("S|LISTPATH", RebuildWithSystemMark(h.Value(), "\"$(CONFIGDIR)\\$(PROJECTNAME)",
                                                          "] [B|LISTSYSTEM|1"));
        return true;
    });
    Register("-slist", "B|SLIST", [](const OptionHandler& h, OptionPairs& pairs) {
        pairs.Add(h.ItemName(), "1");
        if (!h.Value().empty()) pairs.Add("S|SLISTPATH", RebuildProjectInConfigDirectory(h.Value()));
        return true;
    });
    Register("-ws", "B|SUBCOMMAND|1] [S|SUBCOMMAND", EscapedList);
}

}  // namespace z2k
