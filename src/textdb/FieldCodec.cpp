#include "textdb/FieldCodec.h"

#include <charconv>

namespace z2k {

void FieldCodec::appendText(std::string& line, std::string_view value) {
    line.push_back('"');
    for (char c : value) {
        if (c == '^') {
            line += "^^";
        } else if (c == '"') {
            line += "^\"";
        } else {
            line.push_back(c);
        }
    }
    line += "\" ";
}

void FieldCodec::appendInteger(std::string& line, std::int32_t value) {
    char digits[16];
    auto result = std::to_chars(digits, digits + sizeof digits, value);
    line.append(digits, result.ptr);
    line.push_back(' ');
}

namespace {

// Replaces every pair (first, second) by second, scanning left to right; a replaced pair is not
// scanned again.
std::string collapsePairs(std::string_view text, char second) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '^' && i + 1 < text.size() && text[i + 1] == second) {
            out.push_back(second);
            ++i;
        } else {
            out.push_back(text[i]);
        }
    }
    return out;
}

}  // namespace

std::string FieldCodec::unescape(std::string_view raw) {
    if (raw.find('^') == std::string_view::npos) return std::string(raw);
    return collapsePairs(collapsePairs(raw, '"'), '^');
}

}  // namespace z2k
