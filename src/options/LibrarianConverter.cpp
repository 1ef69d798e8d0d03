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
std::string rebuildWithSystemMark(std::string_view value, std::string prefix, std::string_view systemItem,
                                  CodePage page) {
    std::string extension = OptionConverter::pathExtensionPart(value, page);
    const std::size_t mark = OptionText(extension, page).find(" (S)");
    std::string text = std::move(prefix);
    if (mark == std::string::npos) {
        text.append(extension);
        return OptionConverter::finishPath(value, std::move(text), page);
    }
    const bool quoteCut = OptionText::countQuotes(std::string_view(extension).substr(mark), page) != 0;
    text.append(extension, 0, mark);
    if (quoteCut && OptionText::countQuotes(text, page) % 2 != 0) text.push_back('"');
    std::string result = OptionConverter::finishPath(value, std::move(text), page);
    result.append(systemItem);
    return result;
}

}  // namespace

std::string LibrarianConverter::rewriteOptionString(std::string_view zatOptions, CodePage page) const {
    if (zatOptions.empty()) return std::string();
    std::vector<std::string> pieces = OptionText::split(zatOptions, '\t', page);
    for (std::string& piece : pieces) {
        if (piece.empty() || piece.front() != '-') piece.insert(0, 1, '-');
        const std::size_t blank = findChar(piece, ' ', 0, page);
        if (blank == std::string::npos) continue;
        // Quotes pair from the left: the blank is inside a pair when an odd number of quotes
        // precede it and another quote follows it.
        const bool openBefore =
            OptionText::countQuotes(std::string_view(piece).substr(0, blank), page) % 2 != 0;
        const bool closeAfter = findChar(piece, '"', blank + 1, page) != std::string::npos;
        if (!(openBefore && closeAfter)) piece[blank] = '=';
    }
    return OptionText::join(pieces, "\t");
}

LibrarianConverter::LibrarianConverter() {
    registerOption("-default", "", fixedPairs({{"S|CREATE", "\"$(CONFIGDIR)\\$(PROJECTNAME).lib\""}}));
    registerOption("-create", "S|CREATE", [](const OptionHandler& h, OptionPairs& pairs) {
        const CodePage page = h.page();
        pairs.add(h.itemName(),
                  rebuildWithSystemMark(h.value(), pathDirectoryPart(h.value(), page) + "$(PROJECTNAME)",
                                        "] [B|CREATESYSTEM|1", page));
        return true;
    });
    registerOption("-list", "B|LIST", [](const OptionHandler& h, OptionPairs& pairs) {
        const CodePage page = h.page();
        pairs.add(h.itemName(), "1");
        if (!h.value().empty())
            pairs.add("S|LISTPATH", rebuildWithSystemMark(h.value(), "\"$(CONFIGDIR)\\$(PROJECTNAME)",
                                                          "] [B|LISTSYSTEM|1", page));
        return true;
    });
    registerOption("-slist", "B|SLIST", [](const OptionHandler& h, OptionPairs& pairs) {
        const CodePage page = h.page();
        pairs.add(h.itemName(), "1");
        if (!h.value().empty()) pairs.add("S|SLISTPATH", rebuildProjectInConfigDirectory(h.value(), page));
        return true;
    });
    registerOption("-ws", "B|SUBCOMMAND|1] [S|SUBCOMMAND", escapedList);
}

}  // namespace z2k
