#include "options/StypeConverter.h"

#include "options/OptionText.h"
#include "platform/CodePage.h"

namespace z2k {

namespace {

bool isHexDigit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

// Output files with address ranges ("test1.mot"=0,ffff) divide the output into several files;
// otherwise the one output file belongs to the project, beside the file named.
bool outputFiles(const OptionHandler& h, OptionPairs& pairs) {
    const CodePage page = h.page();
    const std::string value = StypeConverter::rejoinAddressRanges(h.value(), page);
    if (OptionText(value, page).find(".mot\"=") != std::string::npos) {
        pairs.add("B|DIVIDEOUTPUT|1] [S|MULTIOUTPUT", OptionConverter::escapeList(value, page));
    } else {
        pairs.add("S|OUTPUT", OptionConverter::rebuildProjectInSameDirectory(value, page));
    }
    return true;
}

}  // namespace

std::string StypeConverter::rewriteOptionString(std::string_view zatOptions, CodePage page) const {
    std::string text(zatOptions);
    if (!text.empty() && text.front() != '-') {
        const std::size_t tab = findChar(text, '\t', 0, page);
        if (tab != std::string::npos) text.erase(0, tab + 1);
        text.insert(0, "-output=");
    }
    // No quotes are added: the file names keep the quotes they were written with.
    std::string result;
    result.reserve(text.size());
    forEachChar(
        text,
        [&](std::size_t pos, std::size_t len) {
            const bool tab = len == 1 && text[pos] == '\t';
            if (tab && (pos + 1 >= text.size() || text[pos + 1] != '-')) {
                result.push_back(',');
            } else {
                result.append(text, pos, len);
            }
        },
        page);
    return result;
}

std::string StypeConverter::rejoinAddressRanges(std::string_view value, CodePage page) {
    std::string result(value);
    bool previousHex = false;  // the previous character is a single-byte hexadecimal digit
    forEachChar(
        value,
        [&](std::size_t pos, std::size_t len) {
            const bool single = len == 1;
            if (single && value[pos] == '|' && pos >= 2 && previousHex && pos + 1 < value.size() &&
                charLength(value, pos + 1, page) == 1 && isHexDigit(value[pos + 1]))
                result[pos] = ',';
            previousHex = single && isHexDigit(value[pos]);
        },
        page);
    return result;
}

StypeConverter::StypeConverter() {
    registerOption("-default", "", fixedPairs({{"S|OUTPUT", "\"$(CONFIGDIR)\\$(PROJECTNAME).mot\""}}));
    registerOption("-output", "S|OUTPUT", outputFiles);
    registerOption("-record", "S|RECORD", upperCase);
    registerOption("-s9", "B|S9", flag);
}

}  // namespace z2k
