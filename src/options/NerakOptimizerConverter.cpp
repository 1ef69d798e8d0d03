#include "options/NerakOptimizerConverter.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <vector>

#include "options/OptionText.h"
#include "platform/CodePage.h"

namespace z2k {

namespace {

bool contains(std::string_view text, std::string_view needle, CodePage page) {
    return OptionText(text, page).find(needle) != std::string::npos;
}

std::string removeAll(std::string_view text, std::string_view needle, CodePage page) {
    return OptionConverter::replaceAll(text, needle, "", page);
}

bool containsAll(std::string_view text, std::initializer_list<std::string_view> needles, CodePage page) {
    for (std::string_view needle : needles)
        if (!contains(text, needle, page)) return false;
    return true;
}

bool containsNone(std::string_view text, std::initializer_list<std::string_view> needles, CodePage page) {
    for (std::string_view needle : needles)
        if (contains(text, needle, page)) return false;
    return true;
}

// A number read like strtoul(text, 16) with a 32-bit unsigned long: leading white space, an
// optional sign, an optional "0x", then hexadecimal digits up to the first other character;
// an overflow gives 0xFFFFFFFF and a minus sign negates. Only the given text is read.
std::uint32_t readHex32(std::string_view text) {
    std::size_t pos = 0;
    while (pos < text.size() && (text[pos] == ' ' || (text[pos] >= '\t' && text[pos] <= '\r'))) ++pos;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) negative = text[pos++] == '-';
    auto digit = [&](std::size_t at) -> int {
        if (at >= text.size()) return -1;
        const char c = text[at];
        if (c >= '0' && c <= '9') return c - '0';
        if (c >= 'a' && c <= 'f') return c - 'a' + 10;
        if (c >= 'A' && c <= 'F') return c - 'A' + 10;
        return -1;
    };
    if (pos + 1 < text.size() && text[pos] == '0' && (text[pos + 1] == 'x' || text[pos + 1] == 'X') &&
        digit(pos + 2) >= 0)
        pos += 2;
    std::uint64_t number = 0;
    bool overflow = false;
    for (int d = digit(pos); d >= 0; d = digit(++pos)) {
        number = number * 16 + static_cast<std::uint64_t>(d);
        if (number > 0xFFFFFFFFu) {
            overflow = true;
            number = 0xFFFFFFFFu;
        }
    }
    if (overflow) return 0xFFFFFFFFu;
    const auto result = static_cast<std::uint32_t>(number);
    return negative ? static_cast<std::uint32_t>(0u - result) : result;
}

// Splits an address element at "+" outside double quotes.
std::vector<std::string_view> splitAtPlus(std::string_view element, CodePage page) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    bool quoted = false;
    forEachChar(
        element,
        [&](std::size_t pos, std::size_t len) {
            if (len != 1) return;
            if (element[pos] == '"') {
                quoted = !quoted;
            } else if (element[pos] == '+' && !quoted) {
                parts.push_back(element.substr(start, pos - start));
                start = pos + 1;
            }
        },
        page);
    parts.push_back(element.substr(start));
    return parts;
}

bool optimizeAbbreviations(const OptionHandler& h, OptionPairs& pairs) {
    const CodePage page = h.page();
    pairs.add("S|OPTIMIZEITEMS", NerakOptimizerConverter::expandOptimizeAbbreviations(h.value(), page));
    return true;
}

bool addressList(const OptionHandler& h, OptionPairs& pairs) {
    const CodePage page = h.page();
    pairs.add(h.itemName(), NerakOptimizerConverter::formatAddressList(h.value(), page));
    return true;
}

}  // namespace

std::string NerakOptimizerConverter::expandOptimizeAbbreviations(std::string_view value, CodePage page) {
    // Appended, not "|" + string: GCC 12 at -O3 warns falsely (-Wrestrict) on the insert that
    // a literal in front of a temporary string becomes.
    std::string v = "|";
    v += value;
    if (contains(v, "sp", page)) {
        for (std::string_view covered : {"|st", "|sy", "|v", "|r", "|b", "|saf"})
            v = removeAll(v, covered, page);
    }
    if (contains(v, "saf", page)) {
        for (std::string_view covered : {"|st", "|r", "|b"}) v = removeAll(v, covered, page);
    }
    static constexpr std::array<std::pair<std::string_view, std::string_view>, 9> kExpansions = {{
        {"|st", "|STRING_UNIFY"},
        {"|sy", "|SYMBOL_DELETE"},
        {"|v", "|VARIABLE_ACCESS"},
        {"|r", "|REGISTER"},
        {"|sam", "|SAME_CODE"},
        {"|f", "|FUNCTION_CALL"},
        {"|b", "|BRANCH"},
        {"|sp", "|STRING_UNIFY|SYMBOL_DELETE|VARIABLE_ACCESS|REGISTER|BRANCH"},
        {"|saf", "|STRING_UNIFY|REGISTER|BRANCH"},
    }};
    for (const auto& [abbreviation, items] : kExpansions)
        v = OptionConverter::replaceAll(v, abbreviation, items, page);

    if (containsAll(v, {"|STRING_UNIFY", "|REGISTER", "|BRANCH"}, page) &&
        containsNone(v, {"|SYMBOL_DELETE", "|VARIABLE_ACCESS", "|SAME_CODE", "|FUNCTION_CALL"}, page))
        v = "SAFE";
    if (containsAll(v, {"|STRING_UNIFY", "|SYMBOL_DELETE", "|VARIABLE_ACCESS", "|REGISTER", "|BRANCH"},
                    page) &&
        containsNone(v, {"|SAME_CODE", "|FUNCTION_CALL"}, page))
        v = "SPEED";
    if (containsAll(v,
                    {"|STRING_UNIFY", "|SYMBOL_DELETE", "|VARIABLE_ACCESS", "|REGISTER", "|BRANCH",
                     "|SAME_CODE", "|FUNCTION_CALL"},
                    page))
        v = "ALL";
    if (!v.empty() && v.front() == '|') v.erase(0, 1);
    return v;
}

std::string NerakOptimizerConverter::formatAddressList(std::string_view value, CodePage page) {
    std::vector<std::string> elements = OptionConverter::splitList(value, page);
    for (std::string& element : elements) {
        const std::vector<std::string_view> parts = splitAtPlus(element, page);
        // A single address (no "+") gets a size of zero; parts after the second are ignored.
        const std::uint32_t start = readHex32(parts[0]);
        const std::uint32_t size = parts.size() > 1 ? readHex32(parts[1]) : 0;
        char text[32];
        std::snprintf(text, sizeof text, "%09lX+%09lX", static_cast<unsigned long>(start),
                      static_cast<unsigned long>(size));
        element = text;
    }
    return OptionConverter::joinList(elements);
}

NerakOptimizerConverter::NerakOptimizerConverter() {
    registerOptimizingLinkerOptions(
        "BRANCH|FUNCTION_CALL|SAME_CODE|REGISTER|VARIABLE_ACCESS|SYMBOL_DELETE|STRING_UNIFY");
    registerOption("-show", "S|SHOW", upperCase);
    registerOption("-sames", "I|SAMESIZE", verbatim);
    registerOption("-sy", "S|SYMBOL_FORBID", quotedList);
    registerOption("-samec", "S|SAMECODE_FORBID", quotedList);
    registerOption({"-absolute_forbid", "-abs"}, "S|ABSOLUTE_FORBID", addressList);
    registerOption({"-function_forbid", "-fu"}, "S|FUNCTION_FORBID", quotedList);
    registerOption({"-variable_forbid", "-v"}, "S|VARIABLE_FORBID", quotedList);
    registerOption("-inf", "B|INFORMATION", flag);
    registerOption("-mlist", "S|MLIST", [](const OptionHandler& h, OptionPairs& pairs) {
        const CodePage page = h.page();
        pairs.add(h.itemName(), rebuildProjectInConfigDirectory(h.value(), page));
        return true;
    });
    registerOption("-op", "B|OPTIMIZE", optimizeAbbreviations);
    registerOption("-noop", "B|OPTIMIZE", flag);
}

}  // namespace z2k
