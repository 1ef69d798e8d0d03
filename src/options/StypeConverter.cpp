#include "options/StypeConverter.h"

#include "options/OptionText.h"
#include "platform/CodePage.h"

namespace z2k {

namespace {

bool IsHexDigit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

// Output files with address ranges ("test1.mot"=0,ffff) divide the output into several files;
// otherwise the one output file belongs to the project, beside the file named.
bool OutputFiles(const OptionHandler& h, OptionPairs& pairs) {
    const std::string value = StypeConverter::RejoinAddressRanges(h.Value());
    if (OptionText(value).Find(".mot\"=") != std::string::npos) {
        pairs.Add("B|DIVIDEOUTPUT|1] [S|MULTIOUTPUT", OptionConverter::EscapeList(value));
    } else {
        pairs.Add("S|OUTPUT", OptionConverter::RebuildProjectInSameDirectory(value));
    }
    return true;
}

}  // namespace

std::string StypeConverter::RewriteOptionString(std::string_view zatOptions) const {
    std::string text(zatOptions);
    if (!text.empty() && text.front() != '-') {
        const std::size_t tab = findChar(text, '\t');
        if (tab != std::string::npos) text.erase(0, tab + 1);
        text.insert(0, "-output=");
    }
    // No quotes are added: the file names keep the quotes they were written with.
    std::string result;
    result.reserve(text.size());
    forEachChar(text, [&](std::size_t pos, std::size_t len) {
        const bool tab = len == 1 && text[pos] == '\t';
        if (tab && (pos + 1 >= text.size() || text[pos + 1] != '-')) {
            result.push_back(',');
        } else {
            result.append(text, pos, len);
        }
    });
    return result;
}

std::string StypeConverter::RejoinAddressRanges(std::string_view value) {
    std::string result(value);
    bool previousHex = false;  // the previous character is a single-byte hexadecimal digit
    forEachChar(value, [&](std::size_t pos, std::size_t len) {
        const bool single = len == 1;
        if (single && value[pos] == '|' && pos >= 2 && previousHex && pos + 1 < value.size() &&
            charLength(value, pos + 1) == 1 && IsHexDigit(value[pos + 1]))
            result[pos] = ',';
        previousHex = single && IsHexDigit(value[pos]);
    });
    return result;
}

StypeConverter::StypeConverter() {
    Register("-default", "", FixedPairs({{"S|OUTPUT", "\"$(CONFIGDIR)\\$(PROJECTNAME).mot\""}}));
    Register("-output", "S|OUTPUT", OutputFiles);
    Register("-record", "S|RECORD", UpperCase);
    Register("-s9", "B|S9", Flag);
}

}  // namespace z2k
