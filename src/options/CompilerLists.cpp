#include "options/CompilerLists.h"

#include "options/OptionConverter.h"
#include "options/OptionText.h"
#include "platform/CodePage.h"

namespace z2k {

std::string CompilerLists::showList(std::string_view value, const KeywordMap& keywords, CodePage page) {
    std::vector<std::string> mapped;
    for (const std::string& element : OptionConverter::splitList(value, page)) {
        for (const auto& [key, keyword] : keywords) {
            if (element == key) {
                mapped.emplace_back(keyword);
                break;
            }
        }
    }
    std::string joined = OptionConverter::joinList(mapped);
    while (!joined.empty() && joined.back() == '|') joined.pop_back();
    return joined;
}

bool CompilerLists::sectionList(std::string_view value, std::string& result, CodePage page) {
    std::vector<std::string> elements = OptionConverter::splitList(value, page);
    for (std::string& element : elements) {
        const std::size_t equals = findChar(element, '=', 0, page);
        if (equals == std::string::npos) return false;
        element = toUpperText(std::string_view(element).substr(0, equals), page) + element.substr(equals);
    }
    result = OptionConverter::joinList(elements);
    return true;
}

std::string CompilerLists::macroList(std::string_view value, CodePage page) {
    // Decision: a value holding double quotes is escaped as a list and keeps its quotes; the
    // wrap-and-strip steps would remove the value's own quotes as well.
    if (findChar(value, '"', 0, page) != std::string::npos) return OptionConverter::escapeList(value, page);
    std::string wrapped;
    wrapped.reserve(value.size() + 2);
    wrapped += '"';
    wrapped += value;
    wrapped += '"';
    const std::string escaped = OptionConverter::escapeList(wrapped, page);
    std::size_t begin = 0;
    while (begin < escaped.size() && escaped[begin] == '"') ++begin;
    // The end of the last character that is not a double quote.
    std::size_t end = begin;
    const std::string_view rest = std::string_view(escaped).substr(begin);
    forEachChar(
        rest,
        [&](std::size_t pos, std::size_t len) {
            if (!(len == 1 && rest[pos] == '"')) end = begin + pos + len;
        },
        page);
    return escaped.substr(begin, end - begin);
}

}  // namespace z2k
