#include "options/NerakOptimizerConverter.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <vector>

#include "options/OptionText.h"
#include "platform/CodePage.h"

namespace z2k {

namespace {

bool Contains(std::string_view text, std::string_view needle) {
    return OptionText(text).Find(needle) != std::string::npos;
}

std::string RemoveAll(std::string_view text, std::string_view needle) {
    return OptionConverter::ReplaceAll(text, needle, "");
}

bool ContainsAll(std::string_view text, std::initializer_list<std::string_view> needles) {
    for (std::string_view needle : needles)
        if (!Contains(text, needle)) return false;
    return true;
}

bool ContainsNone(std::string_view text, std::initializer_list<std::string_view> needles) {
    for (std::string_view needle : needles)
        if (Contains(text, needle)) return false;
    return true;
}

// A number read like strtoul(text, 16) with a 32-bit unsigned long: leading white space, an
// optional sign, an optional "0x", then hexadecimal digits up to the first other character;
// an overflow gives 0xFFFFFFFF and a minus sign negates. Only the given text is read.
std::uint32_t ReadHex32(std::string_view text) {
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
std::vector<std::string_view> SplitAtPlus(std::string_view element) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    bool quoted = false;
    forEachChar(element, [&](std::size_t pos, std::size_t len) {
        if (len != 1) return;
        if (element[pos] == '"') {
            quoted = !quoted;
        } else if (element[pos] == '+' && !quoted) {
            parts.push_back(element.substr(start, pos - start));
            start = pos + 1;
        }
    });
    parts.push_back(element.substr(start));
    return parts;
}

bool OptimizeAbbreviations(const OptionHandler& h, OptionPairs& pairs) {
    pairs.Add("S|OPTIMIZEITEMS", NerakOptimizerConverter::ExpandOptimizeAbbreviations(h.Value()));
    return true;
}

bool AddressList(const OptionHandler& h, OptionPairs& pairs) {
    pairs.Add(h.ItemName(), NerakOptimizerConverter::FormatAddressList(h.Value()));
    return true;
}

}  // namespace

std::string NerakOptimizerConverter::ExpandOptimizeAbbreviations(std::string_view value) {
    // Appended, not "|" + string: GCC 12 at -O3 warns falsely (-Wrestrict) on the insert that
    // a literal in front of a temporary string becomes.
    std::string v = "|";
    v += value;
    if (Contains(v, "sp")) {
        for (std::string_view covered : {"|st", "|sy", "|v", "|r", "|b", "|saf"}) v = RemoveAll(v, covered);
    }
    if (Contains(v, "saf")) {
        for (std::string_view covered : {"|st", "|r", "|b"}) v = RemoveAll(v, covered);
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
        v = OptionConverter::ReplaceAll(v, abbreviation, items);

    if (ContainsAll(v, {"|STRING_UNIFY", "|REGISTER", "|BRANCH"}) &&
        ContainsNone(v, {"|SYMBOL_DELETE", "|VARIABLE_ACCESS", "|SAME_CODE", "|FUNCTION_CALL"}))
        v = "SAFE";
    if (ContainsAll(v, {"|STRING_UNIFY", "|SYMBOL_DELETE", "|VARIABLE_ACCESS", "|REGISTER", "|BRANCH"}) &&
        ContainsNone(v, {"|SAME_CODE", "|FUNCTION_CALL"}))
        v = "SPEED";
    if (ContainsAll(v, {"|STRING_UNIFY", "|SYMBOL_DELETE", "|VARIABLE_ACCESS", "|REGISTER", "|BRANCH",
                        "|SAME_CODE", "|FUNCTION_CALL"}))
        v = "ALL";
    if (!v.empty() && v.front() == '|') v.erase(0, 1);
    return v;
}

std::string NerakOptimizerConverter::FormatAddressList(std::string_view value) {
    std::vector<std::string> elements = OptionConverter::SplitList(value);
    for (std::string& element : elements) {
        const std::vector<std::string_view> parts = SplitAtPlus(element);
        // A single address (no "+") gets a size of zero; parts after the second are ignored.
        const std::uint32_t start = ReadHex32(parts[0]);
        const std::uint32_t size = parts.size() > 1 ? ReadHex32(parts[1]) : 0;
        char text[32];
        std::snprintf(text, sizeof text, "%09lX+%09lX", static_cast<unsigned long>(start),
                      static_cast<unsigned long>(size));
        element = text;
    }
    return OptionConverter::JoinList(elements);
}

NerakOptimizerConverter::NerakOptimizerConverter() {
    RegisterOptimizingLinkerOptions(
        "BRANCH|FUNCTION_CALL|SAME_CODE|REGISTER|VARIABLE_ACCESS|SYMBOL_DELETE|STRING_UNIFY");
    Register("-show", "S|SHOW", UpperCase);
    Register("-sames", "I|SAMESIZE", Verbatim);
    Register("-sy", "S|SYMBOL_FORBID", QuotedList);
    Register("-samec", "S|SAMECODE_FORBID", QuotedList);
    Register({"-absolute_forbid", "-abs"}, "S|ABSOLUTE_FORBID", AddressList);
    Register({"-function_forbid", "-fu"}, "S|FUNCTION_FORBID", QuotedList);
    Register({"-variable_forbid", "-v"}, "S|VARIABLE_FORBID", QuotedList);
    Register("-inf", "B|INFORMATION", Flag);
    Register("-mlist", "S|MLIST", [](const OptionHandler& h, OptionPairs& pairs) {
        pairs.Add(h.ItemName(), RebuildProjectInConfigDirectory(h.Value()));
        return true;
    });
    Register("-op", "B|OPTIMIZE", OptimizeAbbreviations);
    Register("-noop", "B|OPTIMIZE", Flag);
}

}  // namespace z2k
